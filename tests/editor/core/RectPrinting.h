#pragma once
// Rectangles and points in test failure messages.

#include <ostream>

#include "model/ZelvoCommonTypes.h"

namespace zelvo::ZelvoCommonTypes {

inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }

}  // namespace zelvo::ZelvoCommonTypes
