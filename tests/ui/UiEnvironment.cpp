// Every main-window test starts the way a configured installation does: an
// option file in the data folder, with the start folder inside the test's
// temporary data folder, so Form_Load never falls back to the option checker
// unless a test takes the file away itself.
#include <gtest/gtest.h>

#include <QDir>

#include "app/OptionFile.h"
#include "common/DataFolder.h"

namespace {

class OptionFileEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        QDir().mkpath(DataFolder::lyricsFolder());
        OptionValues values;
        values.initDir = DataFolder::root();
        QString error;
        ASSERT_TRUE(OptionFile::write(DataFolder::optionFile(), values, &error)) << error.toStdString();
    }
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new OptionFileEnvironment);

}  // namespace
