// hushwall.exe driven from outside with list files it cannot hold whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "tests/e2e/support/outside_win32.h"
#include "ui/main/main_window_layout.h"

namespace {

using namespace hushwall::outside;

std::string Lines(int count, const char* prefix) {
  std::string bytes;
  for (int index = 0; index < count; ++index) bytes += prefix + std::to_string(index) + "\r\n";
  return bytes;
}

BOOL CALLBACK MatchText(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<std::pair<std::string, HWND>*>(context);
  char caption[64] = {};
  GetWindowTextA(child, caption, sizeof caption);
  if (caption == search->first) search->second = child;
  return caption != search->first;
}

// HushWall started in a fresh program folder that holds the given files.
struct ProgramRun {
  explicit ProgramRun(const std::vector<std::pair<std::string, std::string>>& files) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "hushwall-lists-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((HereDirectory() + "\\hushwall.exe").c_str(), File("hushwall.exe").c_str(), FALSE);
    for (const auto& [name, bytes] : files) WriteFile(File(name), bytes);
    program = std::make_unique<ChildProcess>(Quoted(File("hushwall.exe")), folder);
    WaitFor([&] { return (main = MainWindowOf(program->Id())) != nullptr; }, 60000);
  }
  ~ProgramRun() {
    program.reset();
    for (const char* name : {"hushwall.exe", "RemList.dat", "Blocked.log", "extra.psl", "huge.psl"})
      DeleteFileA(File(name).c_str());
    RemoveDirectoryA(folder.c_str());
  }
  std::string File(const std::string& name) const { return folder + "\\" + name; }
  HWND Find(const std::string& caption, bool box) const {
    for (const WindowInfo& window : TopLevelWindowsOf(program->Id()))
      if (window.visible && window.caption == caption && (window.class_name == "#32770") == box) return window.handle;
    return nullptr;
  }
  HWND Wait(const std::string& caption, bool box = false) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = Find(caption, box)) != nullptr; }, 20000);
    return found;
  }
  // The text of the message box with that title, once `button` has been pressed in it.
  std::string Answer(const std::string& title, int button) const {
    HWND box = Wait(title, true);
    char text[1024] = "(no box)";
    GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text);
    PostMessageA(box, WM_COMMAND, button, 0);
    WaitFor([&] { return !IsWindow(box); }, 10000);
    return text;
  }
  void Click(HWND window, const std::string& caption) const {
    std::pair<std::string, HWND> search{caption, nullptr};
    EnumChildWindows(window, MatchText, reinterpret_cast<LPARAM>(&search));
    PostMessageA(search.second, BM_CLICK, 0, 0);
  }
  void ClickMain(int id) const {
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(ChildWithId(main, id)));
  }
  void Import(int file_index) const {
    PostMessageA(main, WM_COMMAND, 201, 0);  // Setting
    Click(Wait("Setting"), "Import list");
    HWND import = Wait("Import PopUp list");
    SendMessageA(ChildWithId(import, 402), LB_SETCURSEL, file_index, 0);  // FileFolder
    Click(import, "Ok");
  }

  std::string folder;
  std::unique_ptr<ChildProcess> program;
  HWND main = nullptr;
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Import, Add, Clean list and Save log each leave the partly read files as they
// were until the user says Yes; Erase log is the wish to empty the log.
TEST(PartlyReadListFiles, NoCommandReplacesThemWithoutYes) {
  const std::string removes = Lines(40000, "Ad "), log = Lines(40000, "1/2/2024 10:00:00 AM Ad ");
  ProgramRun run({{"RemList.dat", removes}, {"Blocked.log", log}, {"extra.psl", "Imported - Opera\r\n"}});
  const std::string start = run.Answer("Vantel HushWall", IDOK);
  EXPECT_TRUE(Has(start, run.File("RemList.dat") + "\" holds 7233 titles more")) << start;
  EXPECT_TRUE(Has(start, run.File("Blocked.log") + "\" holds more than")) << start;

  run.Import(0);
  EXPECT_TRUE(Has(run.Answer("Save remove list", IDNO), run.File("RemList.dat") + "\" was not wholly read"));
  EXPECT_TRUE(Has(run.Answer("Vantel HushWall", IDOK), "1 title was not added"));
  ChildProcess popups(Quoted(HereDirectory() + "\\popup-sim.exe") + " --quiet --exit-after 60000 --window \"Ad - Opera\"",
                      run.folder);
  HWND seen = ChildWithId(run.main, hushwall::kIdPopUps);
  ASSERT_TRUE(WaitFor([&] { return ListBoxTexts(seen).size() == 1; }, 20000));
  SendMessageA(seen, LB_SETCURSEL, 0, 0);
  SendMessageA(run.main, WM_COMMAND, MAKEWPARAM(hushwall::kIdPopUps, LBN_SELCHANGE), reinterpret_cast<LPARAM>(seen));
  run.ClickMain(hushwall::kIdAdd);
  EXPECT_EQ(run.Answer("Cannot add", IDOK), "The remove list is full: 1 title was not added.");
  run.Click(run.Wait("Setting"), "Clean list");
  EXPECT_EQ(run.Answer("Clean list", IDYES), "Are you sure ?");
  EXPECT_TRUE(Has(run.Answer("Save remove list", IDNO), "Replace it with the remove list as it is now?"));
  run.ClickMain(hushwall::kIdSaveBlocked);
  EXPECT_TRUE(Has(run.Answer("Save log", IDNO), run.File("Blocked.log") + "\" was not wholly read"));
  EXPECT_EQ(ReadFile(run.File("RemList.dat")), removes);
  EXPECT_EQ(ReadFile(run.File("Blocked.log")), log);
  run.ClickMain(hushwall::kIdEraseLog);
  // Polled by its size: a reader's open handle would make the replacement fail.
  WIN32_FILE_ATTRIBUTE_DATA data{};
  EXPECT_TRUE(WaitFor([&] {
    return GetFileAttributesExA(run.File("Blocked.log").c_str(), GetFileExInfoStandard, &data) && !data.nFileSizeLow;
  }, 10000));
}

// 4 GiB of NUL bytes, sparse: one line and no title. The window answers all the
// while; the figures are printed for the record.
TEST(HugeImport, ASparseFileOfGigabytesChangesNothingAndCostsNoMemory) {
  ProgramRun run({{"RemList.dat", std::string("Ad 1\r\n")}});
  HANDLE huge = CreateFileA(run.File("huge.psl").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size{};
  size.QuadPart = 4LL << 30;
  ASSERT_TRUE(SetFilePointerEx(huge, size, nullptr, FILE_BEGIN) && SetEndOfFile(huge));
  CloseHandle(huge);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.program->Id());
  PROCESS_MEMORY_COUNTERS_EX before{}, after{};
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before), sizeof before);
  run.Import(0);
  double slowest_ms = 0;
  bool answered = true;
  WaitFor([&] {
    DWORD_PTR ignored = 0;
    const auto sent = std::chrono::steady_clock::now();
    answered = answered && SendMessageTimeoutA(run.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
    slowest_ms = std::max(slowest_ms, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sent).count());
    return !answered || run.Find("Vantel HushWall", true);
  }, 30000);
  const std::string said = run.Answer("Vantel HushWall", IDOK);
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&after), sizeof after);
  CloseHandle(process);
  std::printf("huge import: committed %zu -> %zu KiB, peak %zu -> %zu KiB, working set %zu -> %zu KiB, "
              "slowest answer %.1f ms\n", before.PagefileUsage >> 10, after.PagefileUsage >> 10,
              before.PeakPagefileUsage >> 10, after.PeakPagefileUsage >> 10, before.WorkingSetSize >> 10,
              after.WorkingSetSize >> 10, slowest_ms);
  EXPECT_TRUE(answered);
  EXPECT_TRUE(Has(said, "huge.psl\" holds no window titles")) << said;
  EXPECT_EQ(ReadFile(run.File("RemList.dat")), "Ad 1\r\n");
  EXPECT_LT(after.PeakPagefileUsage, before.PeakPagefileUsage + (4 << 20)) << "a few MB, whatever the file's size";
}

}  // namespace
