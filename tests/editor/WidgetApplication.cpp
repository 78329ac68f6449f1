// Every editor window test needs the one widget application, often already while its fixture's
// members are built; a test environment makes it before the first fixture.
#include <gtest/gtest.h>

#include "platform/gui/Fonts.h"

namespace {

class WidgetApplication : public ::testing::Environment {
 public:
  void SetUp() override { zelvo::Fonts::ensureGuiApplication(); }
};

[[maybe_unused]] ::testing::Environment* const application =
    ::testing::AddGlobalTestEnvironment(new WidgetApplication);

}  // namespace
