// The command-line tests read the program's English messages, as the program prints them
// under an English locale; CliLanguageTest runs the program under each locale.
#include "util/UiLanguage.h"

#include <gtest/gtest.h>

namespace {

class TEnglishMessages : public testing::Environment {
public:
    void SetUp() override { qor::SetUiLanguage(qor::TUiLanguage::English); }
};

const testing::Environment* const Registered = testing::AddGlobalTestEnvironment(new TEnglishMessages);

} // namespace
