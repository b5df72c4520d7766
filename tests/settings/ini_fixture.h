#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "scratch_dir.h"
#include "settings/ini_file.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce::testing {

// An IniFile over a scratch file holding exactly the given bytes, and the
// bytes a save writes.
class IniFixture : public ::testing::Test {
protected:
    IniFile Open(std::string_view bytes) {
        ReplaceFile(m_file, bytes, kCannotWrite);
        return IniFile(m_file);
    }
    std::string SavedBytes(const IniFile& ini) {
        ini.Save();
        return ReadWholeFile(m_file, kCannotOpen).value();
    }

    ScratchDir m_dir;
    std::filesystem::path m_file = m_dir / "brivonce.ini";
};

}  // namespace brivonce::testing
