#pragma once
// The root service object every API object of both programs derives from, and the font
// description it hands out.

#include <cstdint>
#include <memory>
#include <string>

#include "model/ZStream.h"

namespace zelvo {

class IZFont {
 public:
  virtual ~IZFont() = default;
  virtual void SetColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual int32_t GetColor() const = 0;
  virtual uint8_t GetA() const = 0;
  virtual uint8_t GetB() const = 0;
  virtual uint8_t GetG() const = 0;
  virtual uint8_t GetR() const = 0;
  virtual void SetSize(int32_t size) = 0;
  virtual int32_t GetSize() const = 0;
  virtual void SetName(const char* name) = 0;
  virtual const char* GetName() const = 0;
};

// Opaque black, "ＭＳ ゴシック", 12.
class TZFont final : public IZFont {
 public:
  void SetColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  int32_t GetColor() const override;
  uint8_t GetA() const override { return a_; }
  uint8_t GetB() const override { return b_; }
  uint8_t GetG() const override { return g_; }
  uint8_t GetR() const override { return r_; }
  void SetSize(int32_t size) override { size_ = size; }
  int32_t GetSize() const override { return size_; }
  void SetName(const char* name) override;
  const char* GetName() const override { return name_.c_str(); }

 private:
  uint8_t a_ = 255, r_ = 0, g_ = 0, b_ = 0;
  std::string name_ = kDefaultFace;
  int32_t size_ = 12;

 public:
  // "ＭＳ ゴシック" in CP932.
  static constexpr const char* kDefaultFace = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
};

class IZelvoAPI {
 public:
  virtual ~IZelvoAPI() = default;
  virtual int32_t GetVersion() = 0;
  virtual void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual void Present() = 0;
  virtual const char* GetGamePath() = 0;
  virtual const char* GetSkinPath() = 0;
  virtual const char* GetMapsFolder() = 0;
  virtual const char* GetGraphicsFolder() = 0;
  virtual const char* GetPluginsFolder() = 0;
  virtual const char* GetDataFolder() = 0;
  virtual const char* GetEtcFolder() = 0;
  virtual std::shared_ptr<IZFont> CreateFont() = 0;
  // Throws as TZStream does.
  virtual std::shared_ptr<IZStream> CreateStream(const std::string& fileName, int32_t mode) = 0;
};

class TZelvoAPI : public virtual IZelvoAPI {
 public:
  int32_t GetVersion() override { return 0; }
  void Clear(uint8_t, uint8_t, uint8_t, uint8_t) override {}
  void Present() override {}
  const char* GetGamePath() override;
  const char* GetSkinPath() override;
  const char* GetMapsFolder() override { return "Maps\\"; }
  const char* GetGraphicsFolder() override { return "Graphics\\"; }
  const char* GetPluginsFolder() override { return "Plugins\\"; }
  const char* GetDataFolder() override { return "Data\\"; }
  const char* GetEtcFolder() override { return "Etc\\"; }
  std::shared_ptr<IZFont> CreateFont() override;
  std::shared_ptr<IZStream> CreateStream(const std::string& fileName, int32_t mode) override;
};

}  // namespace zelvo
