// The built Orvane.exe as Windows sees it: its version record and its icon read
// back through the system's own calls, and one run of the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>

#include "IconDesign.h"

namespace {

// Orvane.exe is built next to this test program.
std::wstring programPath()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"Orvane.exe";
}

// ---- the version record ----

class VersionRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = programPath();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "Orvane.exe carries no version record";
        record.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));
    }

    // The value at a path of the record, or nothing when the path is not there.
    std::pair<const void*, UINT> query(const std::wstring& path)
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(record.data(), path.c_str(), &value, &length))
            return {nullptr, 0};
        return {value, length};
    }

    std::vector<std::byte> record;
};

TEST_F(VersionRecordTest, FixedFileAndProductVersionsAreOnePointZero)
{
    const auto [value, length] = query(L"\\");
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    constexpr DWORD versionMS = ORVANE_VERSION_MAJOR << 16 | ORVANE_VERSION_MINOR;
    constexpr DWORD versionLS = ORVANE_VERSION_PATCH << 16;
    EXPECT_EQ(fixed.dwFileVersionMS, versionMS);
    EXPECT_EQ(fixed.dwFileVersionLS, versionLS);
    EXPECT_EQ(fixed.dwProductVersionMS, versionMS);
    EXPECT_EQ(fixed.dwProductVersionLS, versionLS);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecordTest, OneUsEnglishUnicodeTranslation)
{
    const auto [value, length] = query(L"\\VarFileInfo\\Translation");
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(length, 4u) << "exactly one language and code page";
    const auto* pair = static_cast<const WORD*>(value);
    EXPECT_EQ(pair[0], 0x0409);
    EXPECT_EQ(pair[1], 0x04B0);
}

class VersionStringTest : public VersionRecordTest,
                          public ::testing::WithParamInterface<std::tuple<const wchar_t*, const wchar_t*>> {};

TEST_P(VersionStringTest, ReadsExactly)
{
    const auto [name, expected] = GetParam();
    const auto [value, length] = query(std::wstring(L"\\StringFileInfo\\040904B0\\") + name);
    ASSERT_NE(value, nullptr) << "no entry " << testing::PrintToString(std::wstring(name));
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), std::wstring(expected));
}

INSTANTIATE_TEST_SUITE_P(Entries, VersionStringTest,
                         ::testing::Values(std::make_tuple(L"FileVersion", L"" ORVANE_FILE_VERSION),
                                           std::make_tuple(L"ProductVersion", L"" ORVANE_FILE_VERSION),
                                           std::make_tuple(L"ProductName", L"Orvane"),
                                           std::make_tuple(L"InternalName", L"Orvane"),
                                           std::make_tuple(L"OriginalFilename", L"Orvane.exe")));

// ---- the application icon ----

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved, type, count;
};
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

struct IconImage {
    int width, height, colours, bitsPerPixel;
    auto operator<=>(const IconImage&) const = default;
};

class IconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override
    {
        if (module)
            FreeLibrary(module);
    }

    std::pair<const std::byte*, DWORD> resource(const wchar_t* type, WORD id) const
    {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (!found)
            return {nullptr, 0};
        return {static_cast<const std::byte*>(LockResource(LoadResource(module, found))),
                SizeofResource(module, found)};
    }

    std::vector<GroupIconEntry> groupEntries() const
    {
        const auto [data, size] = resource(RT_GROUP_ICON, 1);
        if (!data || size < sizeof(GroupIconHeader))
            return {};
        const auto* header = reinterpret_cast<const GroupIconHeader*>(data);
        const auto* first = reinterpret_cast<const GroupIconEntry*>(data + sizeof(GroupIconHeader));
        if (size < sizeof(GroupIconHeader) + header->count * sizeof(GroupIconEntry))
            return {};
        return {first, first + header->count};
    }

    HMODULE module = nullptr;
};

BOOL CALLBACK countName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(IconTest, TheProgramCarriesOneIconWithTheThreeImages)
{
    int groups = 0;
    EnumResourceNamesW(module, RT_GROUP_ICON, countName, reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, 1);

    std::vector<IconImage> listed;
    std::vector<IconImage> stored;
    for (const GroupIconEntry& entry : groupEntries()) {
        listed.push_back({entry.width, entry.height, entry.colourCount, entry.bitCount});
        // What the image itself says, beneath the directory's word for it.
        const auto [data, size] = resource(RT_ICON, entry.id);
        ASSERT_NE(data, nullptr) << "image " << entry.id << " is missing";
        ASSERT_GE(size, sizeof(BITMAPINFOHEADER));
        const auto& bitmap = *reinterpret_cast<const BITMAPINFOHEADER*>(data);
        stored.push_back({static_cast<int>(bitmap.biWidth), static_cast<int>(bitmap.biHeight / 2),
                          1 << bitmap.biBitCount, bitmap.biBitCount});
    }
    const std::vector<IconImage> expected{{16, 16, 16, 4}, {32, 32, 2, 1}, {32, 32, 16, 4}};
    std::sort(listed.begin(), listed.end());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(stored, expected);
}

// What a pixel of an image must look like once drawn over a key colour: the design
// scaled up, in black and white where the image has two colours.
COLORREF expectedPixel(int x, int y, int size, int bitsPerPixel, COLORREF key)
{
    const int scale = size / icon_design::size;
    const std::int32_t rgb = icon_design::pixels[y / scale][x / scale];
    if (rgb < 0)
        return key;
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    if (bitsPerPixel == 1)
        return 299 * r + 587 * g + 114 * b < 128 * 1000 ? RGB(0, 0, 0) : RGB(255, 255, 255);
    return RGB(r, g, b);
}

TEST_F(IconTest, EveryImageDrawsTheDesign)
{
    const COLORREF key = RGB(255, 0, 255);
    const std::vector<GroupIconEntry> entries = groupEntries();
    ASSERT_EQ(entries.size(), 3u);
    for (const GroupIconEntry& entry : entries) {
        const int size = entry.width;
        const auto [data, length] = resource(RT_ICON, entry.id);
        ASSERT_NE(data, nullptr);
        HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(const_cast<std::byte*>(data)), length, TRUE,
                                              0x00030000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << "Windows cannot read the " << size << "x" << size << " image";

        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, canvas);
        HBRUSH keyBrush = CreateSolidBrush(key);
        const RECT all{0, 0, size, size};
        FillRect(dc, &all, keyBrush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();

        int wrong = 0;
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint32_t bgra = pixels[y * size + x];
                const COLORREF drawn = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
                if (drawn != expectedPixel(x, y, size, entry.bitCount, key) && ++wrong <= 3)
                    ADD_FAILURE() << size << "x" << size << " in " << entry.bitCount << " bits: pixel (" << x << ", "
                                  << y << ") is " << std::hex << drawn;
            }
        EXPECT_EQ(wrong, 0) << size << "x" << size << " in " << entry.bitCount << " bits";

        SelectObject(dc, previous);
        DeleteObject(keyBrush);
        DeleteObject(canvas);
        DeleteDC(dc);
        DestroyIcon(icon);
    }
}

// ---- one run of the program ----

struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK findBoard(HWND window, LPARAM found)
{
    auto& wanted = *reinterpret_cast<FoundWindow*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    // Shown, not merely made: the window is sized to its design before it is shown.
    if (owner != wanted.process || std::wstring(className) != L"OrvaneBoard" || !IsWindowVisible(window))
        return TRUE;
    wanted.window = window;
    return FALSE;
}

// Ends the program if a check stops the test before the program has ended.
struct RunningProgram {
    PROCESS_INFORMATION info{};
    ~RunningProgram()
    {
        if (info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        if (info.hProcess)
            CloseHandle(info.hProcess);
        if (info.hThread)
            CloseHandle(info.hThread);
    }
};

HWND waitForBoard(const RunningProgram& program)
{
    FoundWindow found{program.info.dwProcessId, nullptr};
    // A generous bound, only so that a program that never opens its window cannot
    // hang the run; the program is not timed.
    for (int attempt = 0; attempt < 600 && !found.window; ++attempt) {
        WaitForInputIdle(program.info.hProcess, 100);
        EnumWindows(findBoard, reinterpret_cast<LPARAM>(&found));
        if (!found.window)
            Sleep(100);
    }
    return found.window;
}

TEST(ProgramRun, OpensTheBoardAndEndsWhenTheWindowIsClosed)
{
    const std::wstring path = programPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    RunningProgram program;
    ASSERT_TRUE(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &program.info));

    HWND board = waitForBoard(program);
    ASSERT_NE(board, nullptr) << "Orvane.exe opened no board window";
    wchar_t title[32] = {};
    GetWindowTextW(board, title, 32);
    EXPECT_STREQ(title, L"Form2");
    RECT inner;
    GetClientRect(board, &inner);
    EXPECT_EQ(inner.right, 650);
    EXPECT_EQ(inner.bottom, 582);

    PostMessageW(board, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(program.info.hProcess, 60000), WAIT_OBJECT_0) << "closing the window did not end it";
    DWORD status = 1;
    GetExitCodeProcess(program.info.hProcess, &status);
    EXPECT_EQ(status, 0u);
}

} // namespace
