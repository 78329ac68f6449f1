#pragma once
// The process-wide folder settings and the record version both programs share.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// CP932 byte strings with a trailing "\" as the programs build paths from them.
extern std::string GameBaseDir;  // the start folder; empty until a program sets it
extern std::string GameFolder;   // "Game\" at start
extern std::string SkinFolder;   // "Skin\Default\" at start

inline constexpr int32_t DataVersion = 33;

// Sets GameBaseDir from the native start folder, remembering that folder so paths built on
// GameBaseDir resolve to it even when its name has no CP932 spelling.
void SetGameBaseDirNative(const std::filesystem::path& folder);
const std::filesystem::path& GameBaseDirNative();

// The file a path the programs built (GameBaseDir + GameFolder + "Data\Chara.Dat" and the like,
// or an absolute one) or a name relative to the start folder stands for; none for a name that
// could lead elsewhere.
std::optional<std::filesystem::path> NativePath(std::string_view cp932Path);
// As NativePath, for a file that must be opened or written: a refused name is an EFileError.
std::filesystem::path RequireNativePath(std::string_view cp932Path, const std::string& action = "open");
// Whether the name stands for a regular file.
bool NativeFileExists(std::string_view cp932Path);

// The game's folder: GameBaseDir + GameFolder.
std::string GamePathPrefix();

}  // namespace zelvo
