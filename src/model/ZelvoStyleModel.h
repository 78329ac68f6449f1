#pragma once
// A material: a game resource file (picture, movie) named by its path relative to the game
// folder, with the colour changes to apply when it is loaded.
//
// Record after the base: -1, version 1, Kind, L, the L bytes of Path (NUL included), the count
// of colour changes and their records. The oldest record has no marker and no version: Kind
// (anything but -1), L and Path, nothing more; it reads with one default colour change.

#include <cstdint>
#include <memory>
#include <string>

#include "model/ModelItems.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoModel.h"

namespace zelvo {

namespace MaterialKind {
inline constexpr int32_t Folder = 1;
inline constexpr int32_t Picture = 1001;
inline constexpr int32_t Movie = 4001;
}  // namespace MaterialKind

class IZelvoMaterialModel : public virtual IZelvoModel {
 public:
  virtual int32_t GetKind() const = 0;
  // The path up to its NUL, CP932 with "\" as separator.
  virtual const char* GetPath() const = 0;
  // nullptr is ignored.
  virtual void SetPath(const char* path) = 0;
  virtual bool GetMissingFlag() const = 0;
  virtual void SetMissingFlag(bool value) = 0;
  virtual bool GetNewFlag() const = 0;
  virtual void SetNewFlag(bool value) = 0;
  // EIndexError outside 0..count-1.
  virtual std::shared_ptr<IZelvoChangeColorModel> GetColorChange(int32_t index) const = 0;
  virtual int32_t GetColorChangeCount() const = 0;
  // Appends a colour change with ID -1 and its defaults, and returns it.
  virtual std::shared_ptr<IZelvoChangeColorModel> AddColorChange() = 0;
  // EIndexError outside 0..count-1.
  virtual void DeleteColorChange(int32_t index) = 0;
  // EIndexError when either index is outside 0..count-1.
  virtual void ExchangeColorChanges(int32_t index1, int32_t index2) = 0;
};

class TZelvoStyleModel : public TZelvoModel, public virtual IZelvoMaterialModel {
 public:
  // The oldest form with an empty path array: base record, kind, L = 0.
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 8;

  // Empty path. A picture (1001) starts with one colour change that takes the top-left colour
  // and keeps the source alpha.
  TZelvoStyleModel(int32_t id, int32_t kind);

  int32_t GetKind() const override { return kind_; }
  const char* GetPath() const override { return path_.c_str(); }
  void SetPath(const char* path) override;
  bool GetMissingFlag() const override { return missing_; }
  void SetMissingFlag(bool value) override { missing_ = value; }
  bool GetNewFlag() const override { return new_; }
  void SetNewFlag(bool value) override { new_ = value; }
  std::shared_ptr<IZelvoChangeColorModel> GetColorChange(int32_t index) const override;
  int32_t GetColorChangeCount() const override { return changes_.count(); }
  std::shared_ptr<IZelvoChangeColorModel> AddColorChange() override;
  void DeleteColorChange(int32_t index) override;
  void ExchangeColorChanges(int32_t index1, int32_t index2) override;

  void SaveToStream(IZStream& stream) override;
  // Any version but 0 and 1 reads no colour change. A short or corrupt record throws
  // EFormatError and leaves the material as it was.
  void LoadFromStream(IZStream& stream) override;

 protected:
  // The kind this object has whatever its record says; 0 when the record decides.
  virtual int32_t fixedKind() const { return 0; }
  void setKind(int32_t kind) { kind_ = kind; }

 private:
  friend class TZelvoStylePackage;

  int32_t kind_;
  // Exactly the L bytes of the record (a new path gets its NUL), so a record writes back as it
  // came even when it held no NUL.
  std::string pathBytes_;
  std::string path_;  // pathBytes_ up to its first NUL
  bool missing_ = false;
  bool new_ = false;
  ModelItems<IZelvoChangeColorModel> changes_;
};

}  // namespace zelvo
