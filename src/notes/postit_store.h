#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/colour_value.h"
#include "settings/font_record.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace brivonce {

// Post-it n keeps its text in data folder + "postits/n.txt" (the memo file's
// format) and its place, scroll bars, font and colour in the settings
// section "postit" + n.
inline constexpr std::string_view kPostitFolderName = "postits";
inline constexpr std::string_view kKeyCouleurMemo = "couleurmemo";
inline constexpr ColourValue kPostitYellow = 65535;

// The section "postit" + n. A post-it's section is always written whole.
struct PostitSettings {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 175;
    int32_t h = 200;
    int32_t ascenseurs = 0;  // 0 none, 1 vertical, 2 horizontal, 3 both
    FontRecord font;
    ColourValue couleurmemo = kPostitYellow;  // background of the text

    bool operator==(const PostitSettings&) const = default;
};

std::string PostitSection(int number);
std::filesystem::path PostitFolder(const std::filesystem::path& dataFolder);
// "n.txt" in the post-its folder, or the file there whose extension differs
// from it only in letter case ("3.TXT" copied from a system that ignores
// case), which is then read, saved and deleted in its place.
std::filesystem::path PostitTextFile(const std::filesystem::path& dataFolder, int number);
bool PostitTextExists(const std::filesystem::path& dataFolder, int number);

// Post-its step 10 pixels down and right by number; one that would start
// within 100 pixels of the screen's right (bottom) edge goes to the left
// (top) edge instead.
PostitSettings DefaultPostitSettings(int number, ScreenSize screen);

// Where post-it settings are shown on `screens`: as stored when the top-left
// corner lies on a screen and the size within the virtual desktop (the box
// around every screen). Otherwise the size is cut to that box, and a corner
// on no screen brings the note inside the screen nearest to it. A hand-edited
// w=2147483647 would make a window of gigabytes, and a place off every screen
// a note out of reach.
PostitSettings ShownOnScreens(PostitSettings settings, const std::vector<ScreenArea>& screens);

// Missing or malformed keys give the defaults. `Ascenseurs` is kept as read,
// even outside 0..3.
PostitSettings ReadPostitSettings(const IniFile& ini, int number, ScreenSize screen);

// Post-its by number, for writing many sections at once.
using NumberedPostitSettings = std::vector<std::pair<int, PostitSettings>>;
// Each section erased, then its keys written in their fixed order; hundreds
// of notes in one pass over the file.
void WritePostitSettings(IniFile& ini, const NumberedPostitSettings& postits);

// Reads and writes brivonce.ini once. Raises Error.
void SavePostitSettings(const std::filesystem::path& dataFolder,
                        const NumberedPostitSettings& postits);

// UTF-8 text with CR LF line breaks; a missing file is an empty note. Raise
// Error.
std::string LoadPostitText(const std::filesystem::path& dataFolder, int number);
void SavePostitText(const std::filesystem::path& dataFolder, int number, std::string_view text);

// The "postits" folder, with any missing parent. Raises Error.
void EnsurePostitFolder(const std::filesystem::path& dataFolder);

// Removes the text file and the section. Raises Error, and then leaves the
// section alone so the note still comes back whole.
void DeletePostit(const std::filesystem::path& dataFolder, int number);

// The post-its on disk, in file name order (so 10 before 2), each once. Only
// files named by a positive decimal number without leading zeros and ".txt",
// in any letter case, count: any other name could not be saved back under the
// same name. A missing folder holds none.
std::vector<int> StoredPostitNumbers(const std::filesystem::path& dataFolder);

// The numbers of one run: a new post-it gets one more than the highest known,
// so no number is given twice in a run, even after a deletion.
class PostitCounter {
public:
    void Known(int number) { m_highest = std::max(m_highest, number); }
    // Also past any note file already in `dataFolder`, so a new note never
    // takes one over (the folder may not have been listed, or a file came
    // since).
    int Next(const std::filesystem::path& dataFolder);

private:
    int m_highest = 0;
};

}  // namespace brivonce
