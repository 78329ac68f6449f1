#include "BasicLayer/Pelmora.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BasicLayer/PMTexture.h"
#include "BasicLayer/PelmoraFormats.h"
#include "BasicLayer/PelmoraLog.h"
#include "PelmoraHarness.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/gui/MessageBox.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

using namespace d3d9;
using test::bmp;
using test::Bytes;
using test::PelmoraHarness;

TEST(PelmoraLog, NumberedIndentedCp932LinesWithCrlf) {
  test::TempDir dir;
  PelmoraLog::setFolder(dir.path());
  test::writeFile(dir / "Pelmora_DebugLog.txt", Bytes().text("old run\r\n"));
  PelmoraLog::setSwitches(true, true, true);
  PelmoraLog::restart();
  PelmoraLog::line("■開始");
  {
    PelmoraLog::Section s;
    PelmoraLog::detail("一段");
    PelmoraLog::Section t;
    PelmoraLog::line("");
  }
  PelmoraLog::line("end");
  Bytes expected;
  expected.text("#00001 | ").text(Cp932::fromUtf8("■開始")).text("\r\n");
  expected.text("#00002 |   ").text(Cp932::fromUtf8("一段")).text("\r\n");
  expected.text("#00003 |     \r\n");
  expected.text("#00004 | end\r\n");
  EXPECT_BYTES_EQ(test::readFile(dir / "Pelmora_DebugLog.txt"), expected.vec()) << "the first line of a run replaces the file";
}

TEST(PelmoraLog, SwitchesGateLinesAndDetails) {
  test::TempDir dir;
  PelmoraLog::setFolder(dir.path());
  PelmoraLog::restart();
  PelmoraLog::setSwitches(false, true, false);
  PelmoraLog::detail("hidden");
  PelmoraLog::line("shown");
  PelmoraLog::setSwitches(false, false, true);
  PelmoraLog::line("hidden too");
  EXPECT_BYTES_EQ(test::readFile(dir / "Pelmora_DebugLog.txt"), Bytes().text("#00001 | shown\r\n").vec());
  EXPECT_EQ(PelmoraLog::linesWritten(), 1);
  EXPECT_FALSE(PelmoraLog::check(D3DERR_NOTFOUND, "x"));  // no halt: just the answer
  EXPECT_TRUE(PelmoraLog::check(D3D_OK, "x"));
}

TEST(Pelmora, StartsWindowedOnTheClientSizeAndLogsItsSteps) {
  PelmoraHarness h(pmoAll);
  TPelmora& p = *h.pelmora;
  ASSERT_TRUE(p.Device());
  EXPECT_TRUE(p.Windowed());
  EXPECT_EQ(p.BackBufferWidth(), 640);
  EXPECT_EQ(p.BackBufferHeight(), 480);
  EXPECT_TRUE(p.GetBackBuffer(0));
  EXPECT_FALSE(p.GetBackBuffer(1));
  EXPECT_EQ(p.DeviceType(), D3DDEVTYPE_HAL);
  auto lines = h.logLines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "#00001 | ");
  EXPECT_EQ(lines[1], "#00002 | ■■■起動時の初期化をします■■■");
  EXPECT_EQ(lines[2], "#00003 |   Direct3Dを生成します");
  EXPECT_EQ(lines[3], "#00004 |   ウィンドウのクライアント領域のサイズに合わせて初期化を開始します");
  EXPECT_EQ(lines[4], "#00005 |   ■■■Windowモードへ移行します■■■");
  std::vector<std::string> want = {
      "#%.5d |     ■■■画面モードを初期化します■■■", "ウィンドウモード 640x480で初期化します",
      "ハードウェアアクセラレーションを利用します", "希望のデプスステンシルサーフェスのフォーマットが見つかりませんでした",
      "ハードウェアT&Lを利用します", "Direct3DDeviceオブジェクトの生成を行います", "■■■Pelmora 起動しました■■■"};
  std::string all;
  for (auto& l : lines) all += l + "\n";
  for (size_t i = 1; i < want.size(); ++i) EXPECT_NE(all.find(want[i]), std::string::npos) << want[i];
  EXPECT_EQ(lines.back().substr(0, 9), "#" + std::string(5 - std::to_string(lines.size()).size(), '0') +
                                           std::to_string(lines.size()) + " | ");
}

TEST(Pelmora, ThePlayersOptionWritesNoLog) {
  PelmoraHarness h(pmoHaltOnError);
  EXPECT_TRUE(h.logLines().empty());
}

TEST(Pelmora, SoftwareAndReferenceChoices) {
  PelmoraHarness h(pmoAll);
  h.pelmora->SetUseSoftwareVertexProcessing(true);
  ASSERT_TRUE(h.pelmora->SwitchToWindowed(640, 480, {}, 0, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
  EXPECT_NE(h.logLines().back().find("Windowモードへ移行しました"), std::string::npos);
  std::string all;
  for (auto& l : h.logLines()) all += l;
  EXPECT_NE(all.find("ソフトウェアT&Lを利用します"), std::string::npos);
  h.pelmora->SetUseREFDevice(true);
  ASSERT_TRUE(h.pelmora->SwitchToWindowed(640, 480, {}, 0, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
  EXPECT_EQ(h.pelmora->DeviceType(), D3DDEVTYPE_REF);
}

TEST(Pelmora, FullScreenAndBackKeepsTheSameBackBufferAndResizesTheWindow) {
  PelmoraHarness h;
  ASSERT_TRUE(h.pelmora->SwitchToFullScreen(640, 480, D3DFMT_A8R8G8B8, {}, 0, D3DPRESENT_INTERVAL_IMMEDIATE,
                                            D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
  EXPECT_FALSE(h.pelmora->Windowed());
  EXPECT_EQ(h.pelmora->BackBufferFormat(), D3DFMT_A8R8G8B8);
  EXPECT_EQ(h.pelmora->PresentParameters().PresentationInterval, D3DPRESENT_INTERVAL_IMMEDIATE);
  h.pelmora->Device()->Present(nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(h.sink.lastWasFullScreen());
  EXPECT_EQ(h.sink.lastFrame().width, 640);
  const int resizes = h.sink.resizeCount();
  ASSERT_TRUE(h.pelmora->SwitchToWindowed(640, 480, {}, 0, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
  EXPECT_EQ(h.sink.resizeCount(), resizes + 1);
  EXPECT_TRUE(h.pelmora->Windowed());
}

TEST(Pelmora, TexturesComeBackAfterEachSwitch) {
  PelmoraHarness h;
  SetGameBaseDirNative(h.dir.path());
  auto le24 = [](uint32_t c) { return std::vector<uint8_t>{uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)}; };
  test::writeFile(h.dir / "a.bmp", bmp(1, 1, 24, {le24(0x111111)}));
  // An archive with one stored entry holding a BMP.
  Bytes picture = bmp(1, 1, 24, {le24(0x222222)});
  Bytes arc;
  arc.i32(0).text("TSA0").i32(1).zeros(244).i32(256 + 268).i32(int32_t(picture.size())).i32(int32_t(picture.size()));
  std::vector<uint8_t> id(256, 0);
  id[0] = 'p';
  arc.raw(id).raw(picture.vec());
  test::writeFile(h.dir / "g.tsa", arc);

  auto fromFile = h.texture(), fromArchive = h.texture(), locked = h.texture(), empty = h.texture(),
       defaultPool = h.texture(D3DPOOL_DEFAULT);
  ASSERT_TRUE(fromFile->LoadFromFile(GameBaseDir + "a.bmp"));
  ASSERT_TRUE(fromArchive->LoadFromFile("P", GameBaseDir + "g.tsa"));
  EXPECT_EQ(fromArchive->Source(), TextureSource::Archive);
  ASSERT_TRUE(locked->SetSize(2, 1));
  locked->Fill(d3d9::RECT{0, 0, 2, 1}, 0x80333333, false);
  ASSERT_TRUE(defaultPool->SetSize(1, 1));
  defaultPool->Fill(d3d9::RECT{0, 0, 1, 1}, 0xFF444444, false);

  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(h.pelmora->SwitchToFullScreen(640, 480, D3DFMT_A8R8G8B8, {}, 0, D3DPRESENT_INTERVAL_IMMEDIATE,
                                              D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
    ASSERT_TRUE(h.pelmora->SwitchToWindowed(640, 480, {}, 0, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
    EXPECT_EQ(fromFile->GetTexel(0, 0, 0), 0xFF111111u);
    EXPECT_EQ(fromFile->Source(), TextureSource::File);
    EXPECT_EQ(fromArchive->GetTexel(0, 0, 0), 0xFF222222u);
    EXPECT_EQ(fromArchive->Source(), TextureSource::Archive);
    EXPECT_EQ(locked->GetTexel(0, 1, 0), 0x80333333u);
    EXPECT_EQ(locked->Source(), TextureSource::TextureOnly);
    EXPECT_FALSE(locked->HasSavedImage());
    EXPECT_FALSE(empty->Texture());
    // The default pool keeps nothing: the same size, empty again.
    EXPECT_EQ(defaultPool->Width(), 1);
    EXPECT_EQ(defaultPool->GetTexel(0, 0, 0), 0u);
  }
}

TEST(Pelmora, RegistryOrderIDsAndUnknownIDs) {
  PelmoraHarness h(pmoDebugMessage | pmoDetailedLog);
  std::vector<std::string> calls;
  auto reg = [&](const std::string& n) {
    return h.pelmora->RegisterResource(
        nullptr, "TThing", n, [&calls, n] { calls.push_back("release " + n); },
        [&calls, n] { calls.push_back("restore " + n); }, {}, {});
  };
  EXPECT_EQ(reg("a"), 0);
  EXPECT_EQ(reg("b"), 1);
  int32_t c = h.pelmora->RegisterResource(nullptr, "TThing", "c", {}, {}, {}, {});  // no callbacks: skipped
  EXPECT_EQ(c, 2);
  EXPECT_NE(h.logLines().back().find("Pelmoraリソース(TThing)を登録します ID は 2(c) です"), std::string::npos);
  h.pelmora->ReleaseAllResources();
  h.pelmora->RestoreAllResources();
  EXPECT_EQ(calls, (std::vector<std::string>{"release a", "release b", "restore a", "restore b"}));
  EXPECT_TRUE(h.pelmora->UnregisterResource(0));
  EXPECT_NE(h.logLines().back().find("Pelmoraリソース(TThing) : ID 0(a) を登録解除します"), std::string::npos);
  EXPECT_EQ(reg("d"), 3) << "IDs are never reused";
  EXPECT_FALSE(h.pelmora->UnregisterResource(0));
  EXPECT_EQ(h.logLines().back(),
            "#" + std::string(5 - std::to_string(h.logLines().size()).size(), '0') +
                std::to_string(h.logLines().size()) +
                " | リストに入ってないPelmoraリソース(ID:0)が、UnregisterResource手続きに渡されました(Error Code = "
                "UNKNOWN ERROR ... $80004005)");
  EXPECT_FALSE(h.pelmora->UnregisterResource(99));
  h.pelmora->UnregisterResource(1);
  h.pelmora->UnregisterResource(2);
  h.pelmora->UnregisterResource(3);
}

TEST(Pelmora, UnregisterOfAnUnknownIDHalts) {
  PelmoraHarness h;
  EXPECT_THROW(h.pelmora->UnregisterResource(1234), test::Halted);
}

TEST(Pelmora, ATextureOutlivingTheWrapperIsDetachedNotFreed) {
  auto h = std::make_unique<PelmoraHarness>(pmoDebugMessage);
  auto t = h->texture();
  ASSERT_TRUE(t->SetSize(2, 2));
  h->pelmora.reset();
  auto lines = h->logLines();
  bool named = false;
  for (auto& l : lines) named |= l.find("ID 0(Test) のPelmoraリソースは、明示的に解放されていません") != std::string::npos;
  EXPECT_TRUE(named);
  EXPECT_EQ(t->Owner(), nullptr);
  EXPECT_FALSE(t->Texture());
  t.reset();  // must not reach the gone wrapper
  h.reset();
}

// Each failing device call on the start path halts with its text.
struct HaltCase {
  std::string call;
  std::string message;
};
void PrintTo(const HaltCase& c, std::ostream* os) { *os << c.call; }

class StartFaults : public ::testing::TestWithParam<HaltCase> {};

TEST_P(StartFaults, HaltWithTheCallsText) {
  d3d9::ScopedFaults faults;
  test::TempDir dir;
  PelmoraLog::setFolder(dir.path());
  PelmoraLog::setHaltHandler([](const std::string& m) { throw test::Halted(m); });
  faults->failCall(GetParam().call, D3DERR_NOTAVAILABLE);
  d3d9::FrameSink sink;
  {
    TPelmora p(&sink);
    p.SetDebugOption(pmoHaltOnError);
    try {
      p.Loaded();
      ADD_FAILURE() << "did not halt";
    } catch (const test::Halted& e) {
      EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
    faults->clear();
    PelmoraLog::setHaltHandler([](const std::string&) {});
  }
  PelmoraLog::resetHaltHandler();
}

INSTANTIATE_TEST_SUITE_P(
    Calls, StartFaults,
    ::testing::Values(
        HaltCase{"Direct3DCreate9", "Direct3Dオプジェクトすら生成できません、論外(Error Code = UNKNOWN ERROR ... $80004005)"},
        HaltCase{"CreateDevice", "Direct3DDeviceオブジェクトの生成に失敗しました(Error Code = D3DERR_NOTAVAILABLE)"}),
    [](const ::testing::TestParamInfo<HaltCase>& info) { return info.param.call; });

TEST(Pelmora, AReleaseThatLeavesReferencesIsAFailure) {
  PelmoraHarness h(pmoDebugMessage);
  h.faults->failCall("Release", D3D_OK + 1);
  EXPECT_TRUE(h.pelmora->SwitchToWindowed(640, 480, {}, 0, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0));
  std::string all;
  for (auto& l : h.logLines()) all += l + "\n";
  EXPECT_NE(all.find("バックバッファ #0　の解放に失敗しました"), std::string::npos);
  EXPECT_NE(all.find("Direct3DDeviceオブジェクトの解放に失敗しました"), std::string::npos);
  h.faults->clear();
}

// Tells on stderr what box it was asked to show, so the dying child's output shows both.
struct ReportingRecorder : MessageBoxRecorder {
  MessageAnswer show(const MessageBoxRequest& r) override {
    std::cerr << "box[" << r.caption << "," << int(r.kind) << "]: " << r.text << std::endl;
    return MessageBoxRecorder::show(r);
  }
};

TEST(Pelmora, TheDefaultHaltWritesOneLineShowsABoxAndExitsWithOne) {
  EXPECT_EXIT(
      {
        ReportingRecorder boxes;
        PelmoraLog::resetHaltHandler();
        PelmoraLog::setSwitches(true, false, false);
        PelmoraLog::check(D3DERR_INVALIDCALL, "Clearに失敗しました");
      },
      ::testing::ExitedWithCode(1),
      "^RunZelvo3: Clearに失敗しました\\(Error Code = D3DERR_INVALIDCALL \\)\n"
      "box\\[RunZelvo3,2\\]: Clearに失敗しました\\(Error Code = D3DERR_INVALIDCALL \\)\n$");
}

// The conversion helpers, one row per format.
struct FormatCase {
  D3DFORMAT format;
  const char* name;
  int bits;
  uint32_t argb, texel, back;  // argb -> texel -> back
};

TEST(PelmoraFormats, ConversionsBitsAndNames) {
  const FormatCase cases[] = {
      {D3DFMT_A8R8G8B8, "A8R8G8B8", 32, 0x80FF4020, 0x80FF4020, 0x80FF4020},
      {D3DFMT_X8R8G8B8, "X8R8G8B8", 32, 0x80FF4020, 0x00FF4020, 0xFFFF4020},
      {D3DFMT_R8G8B8, "R8G8B8", 24, 0x80FF4020, 0x80FF4020, 0xFFFF4020},
      {D3DFMT_R5G6B5, "R5G6B5", 16, 0x80FF4020, 0xFA04, 0xFFFF4020},
      {D3DFMT_X1R5G5B5, "X1R5G5B5", 16, 0x80FF4020, 0x7D04, 0xFFFF4120},
      {D3DFMT_A1R5G5B5, "A1R5G5B5", 16, 0x80FF4020, 0xFD04, 0xFFFF4120},
      {D3DFMT_A4R4G4B4, "A4R4G4B4", 16, 0x80FF4020, 0x8F42, 0x88FF4422},
      {D3DFMT_R3G3B2, "R3G3B2", 8, 0x80FF4020, 0xE8, 0xFFFF4800},
      {D3DFMT_A8, "A8", 8, 0x80FF4020, 0x80, 0x80000000},
      {D3DFMT_A8R3G3B2, "A8R3G3B2", 16, 0x80FF4020, 0x80E8, 0x80FF4800},
      {D3DFMT_X4R4G4B4, "X4R4G4B4", 16, 0x80FF4020, 0x0F42, 0xFFFF4422},
      {D3DFMT_L8, "L8", 8, 0x80FF4020, 0xFF, 0xFFFF0000},
      {D3DFMT_A8L8, "A8L8", 16, 0x80FF4020, 0x80FF, 0x80FF0000},
      {D3DFMT_V8U8, "V8U8", 16, 0x80FF4020, 0x4020, 0},
      {D3DFMT_P8, "P8", 8, 0x80FF4020, 0, 0},
      {D3DFMT_D24S8, "D24S8", 32, 0x80FF4020, 0, 0},
      {D3DFMT_D16, "D16", 16, 0, 0, 0},
      {D3DFMT_DXT1, "DXT1", 0, 0x80FF4020, 0, 0},
      {D3DFMT_UYVY, "UYVY", 0, 0, 0, 0},
      {static_cast<D3DFORMAT>(12345), "UNKNOWN", 0, 0x80FF4020, 0, 0},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PelmoraFormats::FormatName(c.format), c.name);
    EXPECT_EQ(PelmoraFormats::BitsPerTexel(c.format), c.bits);
    EXPECT_EQ(PelmoraFormats::ARGBToTexel(c.format, c.argb), c.texel);
    EXPECT_EQ(PelmoraFormats::TexelToARGB(c.format, c.texel), c.back);
  }
  EXPECT_EQ(PelmoraFormats::ARGBToTexel(D3DFMT_A8R8G8B8, 1, 2, 3, 4), 0x01020304u);
}

TEST(PelmoraFormats, ResultNames) {
  const std::pair<HRESULT, const char*> cases[] = {
      {D3D_OK, "D3D_OK"},
      {D3DERR_INVALIDCALL, "D3DERR_INVALIDCALL "},
      {D3DERR_NOTAVAILABLE, "D3DERR_NOTAVAILABLE"},
      {D3DERR_OUTOFVIDEOMEMORY, "D3DERR_OUTOFVIDEOMEMORY"},
      {D3DERR_UNSUPPORTEDCOLOROPERATION, "D3DERR_UNSUPPORTEDCOLOROPERATION "},
      {D3DERR_CONFLICTINGTEXTUREFILTER, "D3DERR_CONFLICTINGTEXTUREFILTER"},
      {D3DERR_DEVICELOST, "D3DERR_DEVICELOST"},
      {D3DERR_DRIVERINVALIDCALL, "D3DERR_DRIVERINVALIDCALL "},
      {static_cast<HRESULT>(0x8876086Cu), "D3DERR_INVALIDCALL "},
      {static_cast<HRESULT>(0x80004005u), "UNKNOWN ERROR ... $80004005"},
      {1, "UNKNOWN ERROR ... $00000001"},
  };
  for (auto& [code, name] : cases) EXPECT_EQ(PelmoraFormats::ResultName(code), name);
}

}  // namespace
}  // namespace zelvo
