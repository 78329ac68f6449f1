#include "platform/gui/MessageBox.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(MessageBox, RecorderAnswersFromItsScriptThenWithTheFirstButton) {
  MessageBoxRecorder recorder;
  recorder.answers = {MessageAnswer::No};
  EXPECT_EQ(ShowMessage("続けますか", "確認", MessageKind::Question, {MessageAnswer::Yes, MessageAnswer::No}),
            MessageAnswer::No);
  EXPECT_EQ(ShowMessage("もう一度", "確認", MessageKind::Question, {MessageAnswer::Yes, MessageAnswer::No}),
            MessageAnswer::Yes);
  EXPECT_EQ(ShowMessage("x.map が存在しません"), MessageAnswer::Ok);
  ASSERT_EQ(recorder.shown.size(), 3u);
  EXPECT_EQ(recorder.shown[0].text, "続けますか");
  EXPECT_EQ(recorder.shown[0].caption, "確認");
  EXPECT_EQ(recorder.shown[2].kind, MessageKind::Information);
}

TEST(MessageBox, AnInnerRecorderHandsBackToTheOuterOne) {
  MessageBoxRecorder outer;
  {
    MessageBoxRecorder inner;
    ShowMessage("inner");
    EXPECT_EQ(inner.shown.size(), 1u);
  }
  ShowMessage("outer");
  ASSERT_EQ(outer.shown.size(), 1u);
  EXPECT_EQ(outer.shown[0].text, "outer");
}

}  // namespace
}  // namespace zelvo
