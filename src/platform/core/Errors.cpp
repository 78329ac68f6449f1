#include "platform/core/Errors.h"

namespace zelvo {

EFileError::EFileError(const std::string& action, const std::string& path, const std::string& reason)
    : EZelvoError("cannot " + action + " '" + path + "'" + (reason.empty() ? "" : ": " + reason)),
      path_(path) {}

EFormatError::EFormatError(const std::string& source, int64_t offset, const std::string& what)
    : EZelvoError("'" + source + "' at offset " + std::to_string(offset) + ": " + what),
      source_(source),
      offset_(offset) {}

EIndexError::EIndexError(const std::string& what, int64_t index, int64_t count)
    : EZelvoError(what + ": index " + std::to_string(index) + " is outside 0.." +
                  std::to_string(count - 1)) {}

}  // namespace zelvo
