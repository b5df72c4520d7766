#include "notes/postit_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "settings/memo_file.h"
#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCannotDelete = "Impossible de supprimer le fichier %s";
constexpr std::string_view kTextExtension = ".txt";
constexpr size_t kMostDigits = 9;  // the counter can always count one further

int32_t DefaultOffset(int number, int screenExtent) {
    int64_t offset = int64_t{10} * number;
    return offset > screenExtent - 100 ? 0 : static_cast<int32_t>(offset);
}

bool HasTextExtension(std::string_view name) {
    if (name.size() < kTextExtension.size()) {
        return false;
    }
    std::string_view extension = name.substr(name.size() - kTextExtension.size());
    return std::equal(
        extension.begin(), extension.end(), kTextExtension.begin(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// "12.txt" (or "12.TXT") -> 12; 0 for any name the program would not have
// written.
int NumberOfFileName(std::string_view name) {
    if (!HasTextExtension(name)) {
        return 0;
    }
    std::string_view digits = name.substr(0, name.size() - kTextExtension.size());
    if (digits.empty() || digits.size() > kMostDigits || digits.front() == '0') {
        return 0;
    }
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

// A screen's edges, wide enough for any sum of stored values.
struct Box {
    int64_t left, top, right, bottom;  // right and bottom excluded
};

Box BoxOf(const ScreenArea& screen) {
    return {screen.x, screen.y, int64_t{screen.x} + screen.width,
            int64_t{screen.y} + screen.height};
}

// 0 for a point on the box, else the squared distance to it.
int64_t DistanceTo(const Box& box, int64_t x, int64_t y) {
    int64_t dx = std::max({box.left - x, int64_t{0}, x - (box.right - 1)});
    int64_t dy = std::max({box.top - y, int64_t{0}, y - (box.bottom - 1)});
    return dx * dx + dy * dy;
}

}  // namespace

std::string PostitSection(int number) {
    return "postit" + std::to_string(number);
}

fs::path PostitFolder(const fs::path& dataFolder) {
    return dataFolder / kPostitFolderName;
}

fs::path PostitTextFile(const fs::path& dataFolder, int number) {
    const std::string stem = std::to_string(number);
    const fs::path file = PostitFolder(dataFolder) / (stem + std::string(kTextExtension));
    std::error_code error;
    // Each of the eight spellings of the extension, "txt" itself first.
    for (unsigned upper = 0; upper < 8; ++upper) {
        std::string extension(kTextExtension);
        for (unsigned letter = 0; letter < 3; ++letter) {
            if ((upper & (1u << letter)) != 0) {
                extension[letter + 1] = static_cast<char>(std::toupper(extension[letter + 1]));
            }
        }
        fs::path spelling = file.parent_path() / (stem + extension);
        if (fs::exists(spelling, error)) {
            return spelling;
        }
    }
    return file;
}

bool PostitTextExists(const fs::path& dataFolder, int number) {
    std::error_code error;
    return fs::exists(PostitTextFile(dataFolder, number), error);
}

PostitSettings DefaultPostitSettings(int number, ScreenSize screen) {
    PostitSettings settings;
    settings.x = DefaultOffset(number, screen.width);
    settings.y = DefaultOffset(number, screen.height);
    return settings;
}

PostitSettings ShownOnScreens(PostitSettings settings, const std::vector<ScreenArea>& screens) {
    if (screens.empty()) {
        return settings;
    }
    Box desktop = BoxOf(screens.front());
    for (const ScreenArea& screen : screens) {
        Box box = BoxOf(screen);
        desktop = {std::min(desktop.left, box.left), std::min(desktop.top, box.top),
                   std::max(desktop.right, box.right), std::max(desktop.bottom, box.bottom)};
    }
    settings.w =
        static_cast<int32_t>(std::clamp<int64_t>(settings.w, 1, desktop.right - desktop.left));
    settings.h =
        static_cast<int32_t>(std::clamp<int64_t>(settings.h, 1, desktop.bottom - desktop.top));
    auto distance = [&settings](const ScreenArea& screen) {
        return DistanceTo(BoxOf(screen), settings.x, settings.y);
    };
    const ScreenArea& nearest = *std::min_element(
        screens.begin(), screens.end(),
        [&](const ScreenArea& a, const ScreenArea& b) { return distance(a) < distance(b); });
    if (distance(nearest) > 0) {
        MainWindowPlacement inside =
            FitInside({settings.x, settings.y, settings.w, settings.h, false}, nearest);
        settings.x = inside.x;
        settings.y = inside.y;
        settings.w = inside.w;
        settings.h = inside.h;
    }
    return settings;
}

PostitSettings ReadPostitSettings(const IniFile& ini, int number, ScreenSize screen) {
    const PostitSettings defaults = DefaultPostitSettings(number, screen);
    const std::string section = PostitSection(number);
    PostitSettings settings;
    settings.x = ini.ReadInteger(section, kKeyX, defaults.x);
    settings.y = ini.ReadInteger(section, kKeyY, defaults.y);
    settings.w = ini.ReadInteger(section, kKeyW, defaults.w);
    settings.h = ini.ReadInteger(section, kKeyH, defaults.h);
    settings.ascenseurs = ini.ReadInteger(section, kKeyAscenseurs, defaults.ascenseurs);
    settings.font = ReadFontRecord(ini, section);
    settings.couleurmemo = ini.ReadInteger(section, kKeyCouleurMemo, defaults.couleurmemo);
    return settings;
}

void WritePostitSettings(IniFile& ini, const NumberedPostitSettings& postits) {
    std::vector<IniSection> sections;
    sections.reserve(postits.size());
    for (const auto& [number, settings] : postits) {
        IniSection& keys = sections.emplace_back(PostitSection(number));
        keys.WriteInteger(kKeyX, settings.x);
        keys.WriteInteger(kKeyY, settings.y);
        keys.WriteInteger(kKeyW, settings.w);
        keys.WriteInteger(kKeyH, settings.h);
        keys.WriteInteger(kKeyAscenseurs, settings.ascenseurs);
        WriteFontRecord(keys, settings.font);
        keys.WriteInteger(kKeyCouleurMemo, settings.couleurmemo);
    }
    ini.ReplaceSections(sections);
}

void SavePostitSettings(const fs::path& dataFolder, const NumberedPostitSettings& postits) {
    IniFile ini(dataFolder / kSettingsFileName);
    WritePostitSettings(ini, postits);
    ini.Save();
}

std::string LoadPostitText(const fs::path& dataFolder, int number) {
    return ReadEditText(PostitTextFile(dataFolder, number));
}

void SavePostitText(const fs::path& dataFolder, int number, std::string_view text) {
    WriteEditText(PostitTextFile(dataFolder, number), text);
}

void EnsurePostitFolder(const fs::path& dataFolder) {
    std::error_code error;
    fs::path folder = PostitFolder(dataFolder);
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        throw Error(FormatMessage(kCannotCreate, folder.string()));
    }
}

void DeletePostit(const fs::path& dataFolder, int number) {
    fs::path file = PostitTextFile(dataFolder, number);
    std::error_code error;
    fs::remove(file, error);
    if (error) {
        throw Error(FormatMessage(kCannotDelete, file.string()));
    }
    IniFile ini(dataFolder / kSettingsFileName);
    if (ini.SectionExists(PostitSection(number))) {
        ini.EraseSection(PostitSection(number));
        ini.Save();
    }
}

std::vector<int> StoredPostitNumbers(const fs::path& dataFolder) {
    fs::path folder = PostitFolder(dataFolder);
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return {};
    }
    std::vector<std::string> names;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        if (entries->is_regular_file(typeError) &&
            NumberOfFileName(entries->path().filename().string()) > 0) {
            names.push_back(entries->path().filename().string());
        }
    }
    if (error) {
        throw Error(FormatMessage(kCannotOpen, folder.string()));
    }
    // Digits and ".txt" only, so plain byte order is the case-blind name order
    // (the extension's case only ever orders two files of one number).
    std::sort(names.begin(), names.end());
    std::vector<int> numbers;
    for (const std::string& name : names) {
        numbers.push_back(NumberOfFileName(name));
    }
    // "3.txt" and "3.TXT" are one note, as on a system that ignores case.
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

int PostitCounter::Next(const fs::path& dataFolder) {
    std::error_code error;
    do {
        ++m_highest;
    } while (fs::exists(PostitTextFile(dataFolder, m_highest), error));
    return m_highest;
}

}  // namespace brivonce
