#include "settings/list_transfer_win32.h"

#include <array>
#include <vector>

#include "platform/program_names.h"
#include "settings/list_transfer.h"
#include "settings/startup_entry.h"

namespace hushwall {
namespace {

const FontDescription kPlain{};
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The open folder is shown under the lists, so the user sees where Save writes and
// where Ok reads.
enum ExportId { kIdDrv = 300, kIdDir, kIdExportLabel1, kIdFileName, kIdExportLabel2, kIdSave, kIdExportCancel,
                kIdExportPath };
const ControlDefinition kExportControls[] = {
    {"drv", ControlKind::DriveList, "", nullptr, 0, 0, 2655, 315, true, 1, kPlain, kIdDrv},
    {"dir", ControlKind::FolderList, "", nullptr, 0, 360, 2655, 2565, true, 0, kPlain, kIdDir},
    {"Label1", ControlKind::Label, "Choose filename:", nullptr, 720, 3000, 1335, 255, true, 4, kPlain,
     kIdExportLabel1},
    {"txtFileName", ControlKind::TextBox, "PopUps", nullptr, 0, 3240, 1815, 285, true, 2, kPlain, kIdFileName},
    {"Label2", ControlKind::Label, ".psl", nullptr, 1920, 3360, 615, 255, true, 6, kPlain, kIdExportLabel2},
    {"cmdSave", ControlKind::PushButton, "Save", nullptr, 1680, 3720, 855, 375, true, 3, kPlain, kIdSave},
    {"cmdCancel", ControlKind::PushButton, "Cancel", nullptr, 120, 3720, 855, 375, true, 5, kPlain,
     kIdExportCancel},
    {"lblPath", ControlKind::PathLabel, "", nullptr, 0, 4170, 2655, 255, true, 7, kPlain, kIdExportPath},
};
constexpr int kExportWidth = 2655, kExportHeight = 4440;

enum ImportId { kIdDrive1 = 400, kIdDir1, kIdFileFolder, kIdImport, kIdImportCancel, kIdImportPath };
const ControlDefinition kImportControls[] = {
    {"Drive1", ControlKind::DriveList, "", nullptr, 120, 120, 2175, 315, true, 3, kPlain, kIdDrive1},
    {"Dir1", ControlKind::FolderList, "", nullptr, 120, 480, 2175, 2340, true, 2, kPlain, kIdDir1},
    {"FileFolder", ControlKind::FileList, "", nullptr, 2400, 0, 2655, 2820, true, 4, kPlain, kIdFileFolder},
    {"cmdImport", ControlKind::PushButton, "Ok", nullptr, 4080, 3120, 975, 375, true, 1, kPlain, kIdImport},
    {"cmdCancel", ControlKind::PushButton, "Cancel", nullptr, 120, 3120, 975, 375, true, 0, kPlain,
     kIdImportCancel},
    {"lblPath", ControlKind::PathLabel, "", nullptr, 120, 3630, 5115, 255, true, 5, kPlain, kIdImportPath},
};
constexpr int kImportWidth = 5355, kImportHeight = 3900;

std::string CurrentFolder() {
  std::array<char, MAX_PATH * 4> buffer{};
  const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  return length > 0 && length < buffer.size() ? std::string(buffer.data(), length) : std::string("C:\\");
}

std::string FullPath(const std::string& path) {
  std::array<char, MAX_PATH * 4> buffer{};
  const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  return length > 0 && length < buffer.size() ? std::string(buffer.data(), length) : std::string();
}

std::string DriveOf(const std::string& folder) { return folder.size() >= 2 ? folder.substr(0, 2) : folder; }

// The drive list shows drives as "[-c-]".
std::string DriveListItem(const std::string& drive) {
  std::string letter(1, drive.empty() ? 'c' : drive[0]);
  CharLowerBuffA(letter.data(), 1);
  return "[-" + letter + "-]";
}

// DlgDirListA lists by making the listed folder the process's current folder; the
// dialog's open folder is its own, so every listing gives the old one back.
class CurrentFolderKept {
 public:
  CurrentFolderKept() : folder_(CurrentFolder()) {}
  ~CurrentFolderKept() { SetCurrentDirectoryA(folder_.c_str()); }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

 private:
  std::string folder_;
};

bool ListFolder(HWND window, int list, const std::string& pattern, UINT types) {
  std::array<char, MAX_PATH * 4> spec{};  // DlgDirListA writes into it
  if (pattern.size() >= spec.size()) return false;
  pattern.copy(spec.data(), pattern.size());
  const CurrentFolderKept kept;
  return DlgDirListA(window, spec.data(), list, 0, types) != 0;
}

bool DriveReady(const std::string& drive) {
  const std::string root = drive + "\\";
  // No "insert a disk" box from the system: the user hears it from us.
  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const bool ready = GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != 0;
  SetErrorMode(old_mode);
  return ready;
}

}  // namespace

void DirectoryBrowser::Start(HWND window) {
  window_ = window;
  std::array<char, MAX_PATH> spec{};
  {
    const CurrentFolderKept kept;
    DlgDirListComboBoxA(window_, spec.data(), ids_.drives, 0, DDL_DRIVES | DDL_EXCLUSIVE);
  }
  ShowFolder(CurrentFolder(), false);
}

void DirectoryBrowser::SelectDriveOf(const std::string& folder) {
  SendDlgItemMessageA(window_, ids_.drives, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(DriveListItem(DriveOf(folder)).c_str()));
}

bool DirectoryBrowser::ShowFolder(const std::string& folder, bool select_first_file) {
  if (!ListFolder(window_, ids_.folders, JoinFolderAndFile(folder, "*.*"), DDL_DIRECTORY | DDL_EXCLUSIVE))
    return false;
  folder_ = folder;
  if (ids_.files) {
    if (!ListFolder(window_, ids_.files, JoinFolderAndFile(folder, "*.psl"), DDL_READWRITE))
      SendDlgItemMessageA(window_, ids_.files, LB_RESETCONTENT, 0, 0);
    const bool has_files = SendDlgItemMessageA(window_, ids_.files, LB_GETCOUNT, 0, 0) > 0;
    SendDlgItemMessageA(window_, ids_.files, LB_SETCURSEL, select_first_file && has_files ? 0 : -1, 0);
  }
  SetDlgItemTextA(window_, ids_.path_label, folder_.c_str());
  SelectDriveOf(folder_);
  return true;
}

void DirectoryBrowser::DriveChosen() {
  std::array<char, 16> chosen{};
  DlgDirSelectComboBoxExA(window_, chosen.data(), static_cast<int>(chosen.size()), ids_.drives);
  std::string drive = chosen.data();  // "c:"
  if (drive.size() >= 2) drive = drive.substr(0, 2);
  CharUpperBuffA(drive.data(), static_cast<DWORD>(drive.size()));
  const bool ready = DriveReady(drive);
  const std::string folder = ready ? FullPath(drive) : std::string();
  if (ready && !folder.empty() && ShowFolder(folder, true)) return;
  boxes_.Show(window_, BrowseFailureMessage(drive, ready, folder), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  SelectDriveOf(folder_);
}

void DirectoryBrowser::FolderOpened() {
  std::array<char, MAX_PATH * 4> chosen{};
  if (!DlgDirSelectExA(window_, chosen.data(), static_cast<int>(chosen.size()), ids_.folders)) return;
  const std::string folder = FullPath(JoinFolderAndFile(folder_, chosen.data()));
  if (folder.empty()) return;
  // The full path of "sub\" ends in a backslash; a drive root keeps its own.
  std::string trimmed = folder;
  if (trimmed.size() > 3 && trimmed.back() == '\\') trimmed.pop_back();
  if (!ShowFolder(trimmed, true))
    boxes_.Show(window_, BrowseFailureMessage(DriveOf(trimmed), true, trimmed), kApplicationTitle,
                MB_OK | MB_ICONEXCLAMATION);
}

ListFileDialog::ListFileDialog(Shape shape, SettingsHost& host, SettingsPorts ports,
                               DirectoryBrowser::Ids lists)
    : shape_(shape), host_(host), ports_(ports), browser_(lists, ports.boxes) {}

bool ListFileDialog::Load(HWND owner) {
  RegisterClassOnce(shape_.class_name);
  const SIZE size =
      OuterSizeForClientTwips(shape_.width_twips, shape_.height_twips, kDialogStyle, WS_EX_CONTROLPARENT, false);
  if (!Create(shape_.class_name, shape_.caption, kDialogStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT,
              CW_USEDEFAULT, size.cx, size.cy, owner, nullptr))
    return false;
  form_.CreateControls(Handle(), shape_.controls);
  browser_.Start(Handle());
  EnableDialogKeys();
  return true;
}

LRESULT ListFileDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case DM_GETDEFID:
      return FocusedPushButtonAsDefault(Handle());
    case WM_COMMAND:
      if (lparam != 0) {
        OnCommand(LOWORD(wparam), HIWORD(wparam));
        return 0;
      }
      break;
  }
  return SecondaryWindow::HandleMessage(message, wparam, lparam);
}

frmExport::frmExport(SettingsHost& host, SettingsPorts ports)
    : ListFileDialog({kClassName, "Export PopUp list", kExportWidth, kExportHeight, kExportControls}, host,
                     ports, {kIdDrv, kIdDir, 0, kIdExportPath}) {}

void frmExport::OnCommand(int id, int code) {
  switch (id) {
    case kIdDrv:
      if (code == CBN_SELCHANGE) browser_.DriveChosen();
      break;
    case kIdDir:
      if (code == LBN_DBLCLK) browser_.FolderOpened();
      break;
    case kIdSave:
      if (code == BN_CLICKED) cmdSave_Click();
      break;
    case kIdExportCancel:
      if (code == BN_CLICKED) DestroyWindow(Handle());
      break;
  }
}

void frmExport::cmdSave_Click() {
  std::array<char, MAX_PATH * 4> name{};
  GetWindowTextA(form_.Control("txtFileName"), name.data(), static_cast<int>(name.size()));
  const SaveResult result =
      SaveListFile(host_.State().RemoveList(), ExportFilePath(browser_.Folder(), name.data()), writer_);
  if (!result.saved) {
    // The dialog stays open, so the user can pick another folder or name.
    ports_.boxes.Show(Handle(), SaveFailureMessage(result), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  DestroyWindow(Handle());
}

frmImport::frmImport(SettingsHost& host, SettingsPorts ports)
    : ListFileDialog({kClassName, "Import PopUp list", kImportWidth, kImportHeight, kImportControls}, host,
                     ports, {kIdDrive1, kIdDir1, kIdFileFolder, kIdImportPath}) {}

void frmImport::OnCommand(int id, int code) {
  switch (id) {
    case kIdDrive1:
      if (code == CBN_SELCHANGE) browser_.DriveChosen();
      break;
    case kIdDir1:
      if (code == LBN_DBLCLK) browser_.FolderOpened();
      break;
    case kIdImport:
      if (code == BN_CLICKED) cmdImport_Click();
      break;
    case kIdImportCancel:
      if (code == BN_CLICKED) DestroyWindow(Handle());
      break;
  }
}

void frmImport::cmdImport_Click() {
  HWND files = form_.Control("FileFolder");
  const LRESULT selected = SendMessageA(files, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) {
    ports_.boxes.Show(Handle(), "You must select a file first", "Cannot import", MB_OK);
    return;
  }
  std::vector<char> name(static_cast<std::size_t>(SendMessageA(files, LB_GETTEXTLEN, selected, 0)) + 1 + MAX_PATH);
  SendMessageA(files, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name.data()));
  const std::string path = JoinFolderAndFile(browser_.Folder(), name.data());

  BlockingState& state = host_.State();
  const ImportResult result = ImportListFile(state.RemoveList(), path);
  if (!result.Merged()) {
    // Nothing changed; the dialog stays open for another file.
    const std::string text =
        !result.read.exists ? ImportReadFailureMessage(path, "the file does not exist")
        : result.read.complete || result.read.over_long ? ImportNoTitlesMessage(path)
                                                        : ImportReadFailureMessage(path, result.read.reason);
    ports_.boxes.Show(Handle(), text, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ports_.lists.SaveRemoveList(Handle(), state);
  host_.RemoveListChanged();
  const std::string left_out = ImportResultMessage(result);
  if (!left_out.empty()) ports_.boxes.Show(Handle(), left_out, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  DestroyWindow(Handle());
}

LRESULT FocusedPushButtonAsDefault(HWND window) {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != window) return 0;
  char class_name[16] = {};
  GetClassNameA(focus, class_name, sizeof class_name);
  const LONG type = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiA(class_name, "Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) return 0;
  return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

}  // namespace hushwall
