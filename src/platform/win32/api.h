// The program's one way to the Windows functions that come in an ANSI and a
// wide form. On the NT family (2000, XP and later) each calls the wide
// function. Windows 95, 98 and Me implement only a few wide functions and
// stub the rest, so there each calls the ANSI function instead, with its
// text converted through the ANSI code page. Which family runs is asked once,
// at start; nothing outside this file knows which path is taken, and the
// rest of the program works in wide strings on both.
//
// Wide functions that 9x implements itself (MessageBoxW,
// GetTextExtentPoint32W, MultiByteToWideChar, WideCharToMultiByte) are
// called on both paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32.h"

namespace corvane::win32::api {

// This program's module.
HINSTANCE instance();

// Windows and their classes. The class names of the common controls are
// given in their wide spelling (TOOLTIPS_CLASSW, ...).
bool classExists(const wchar_t* name);
ATOM registerClass(const WNDCLASSEXW& wc);
HWND createWindow(DWORD exStyle, const wchar_t* cls, const std::wstring& text, DWORD style, int x, int y, int w,
                  int h, HWND parent, HMENU menu);
// A window procedure: the system's default one for the window's kind.
LRESULT CALLBACK defWindowProc(HWND h, UINT msg, WPARAM w, LPARAM l);
LRESULT callWindowProc(WNDPROC proc, HWND h, UINT msg, WPARAM w, LPARAM l);
LONG_PTR windowLong(HWND h, int index);
LONG_PTR setWindowLong(HWND h, int index, LONG_PTR value);

// Messages that carry no text, or text only through the functions below.
LRESULT send(HWND h, UINT msg, WPARAM w, LPARAM l);
BOOL post(HWND h, UINT msg, WPARAM w, LPARAM l);
LRESULT sendTimeout(HWND h, UINT msg, WPARAM w, LPARAM l, UINT flags, UINT ms, DWORD_PTR* result);
HWND findWindow(const wchar_t* cls, const std::wstring& caption);

// Text of windows and controls.
std::wstring windowText(HWND h);
void setWindowText(HWND h, const std::wstring& text);
// A message whose lParam is a string: CB_ADDSTRING and the like.
LRESULT sendString(HWND h, UINT msg, WPARAM w, const std::wstring& text);
void insertTab(HWND tabs, int index, const std::wstring& caption);
// The number of rows of an owner-data list box: on 9x at most 32,767, the
// most its list boxes hold.
void setListCount(HWND list, int count);

// Tooltips. Each tool asks its window for its text when it shows.
void addTool(HWND tips, UINT flags, HWND window, UINT_PTR id, const RECT& rect);
void moveTool(HWND tips, HWND window, UINT_PTR id, const RECT& rect);
// A tooltip asking for a tool's text; nullopt for any other notification.
struct ToolTipAsk {
    UINT_PTR id;
    bool idIsWindow;
};
std::optional<ToolTipAsk> toolTipAsk(const NMHDR& n);
// Answers it; `text` must live until the tooltip is shown.
void answerToolTip(NMHDR& n, const wchar_t* text);

// The message loop.
LRESULT dispatchMessage(const MSG& msg);
bool isDialogMessage(HWND h, MSG& msg);
bool peekMessage(MSG& msg, UINT remove);

// Resources and system values.
HANDLE loadImage(int id, UINT type, int w, int h, UINT flags);
HCURSOR arrowCursor();
RECT workArea();
// MessageBoxW, which 9x implements too; it takes no memory of the program's.
int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

// Fonts and text drawing.
HFONT createFont(const LOGFONTW& font);
bool fontFaceExists(const wchar_t* face);
int textHeight(HDC dc);
SIZE textExtent(HDC dc, std::wstring_view text);
int drawText(HDC dc, std::wstring_view text, RECT& r, UINT format);

// Files and folders: the program's only way to the file system, where test
// builds can make any call fail (fault_seam.h). Functions returning DWORD
// give 0 or the error code; the others leave it as the last error.
class FileSearch {
public:
    // The first entry matching `pattern`, whose last part may hold wildcards.
    explicit FileSearch(const std::wstring& pattern);
    ~FileSearch();
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    // False when nothing was found or the search failed; error() tells.
    bool found() const { return found_; }
    DWORD error() const { return error_; }
    const wchar_t* name() const;
    DWORD attributes() const;
    // The next entry; false at the end (error() is then ERROR_NO_MORE_FILES).
    bool next();

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
    bool found_ = false;
    DWORD error_ = 0;
    WIN32_FIND_DATAW wide_{};
    WIN32_FIND_DATAA ansi_{};
    std::wstring name_;  // the ANSI entry's name
};
HANDLE createFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);
bool deleteFile(const std::wstring& path);
DWORD tempFileName(const std::wstring& folder, const wchar_t* prefix, std::wstring& path);
// INVALID_FILE_ATTRIBUTES when the file can't be asked about.
DWORD fileAttributes(const std::wstring& path);
// Renames a file; fails where `to` exists.
bool moveFile(const std::wstring& from, const std::wstring& to);
// NT only: renames a file over `to`, which may exist, in one step, written
// through to the disk. Fails with ERROR_CALL_NOT_IMPLEMENTED on 9x.
bool moveFileOver(const std::wstring& from, const std::wstring& to);
std::optional<std::wstring> shortPathName(const std::wstring& path);
// The drives there are, a bit each from A: on; 0 where the call fails.
DWORD logicalDrives();
std::wstring fullPathName(const std::wstring& path);

// An open file's bytes.
bool writeFile(HANDLE f, std::string_view bytes, DWORD& written);
bool flushFile(HANDLE f);
bool closeFile(HANDLE f);
bool seek(HANDLE f, std::uint64_t offset, DWORD from);
bool readFile(HANDLE f, void* out, DWORD n, DWORD& got);
std::optional<std::uint64_t> fileSize(HANDLE f);

// The program's command line, split as the C runtime splits it.
std::vector<std::wstring> commandArguments();

// The rest of the system.
HANDLE createMutex(const std::wstring& name);
HMODULE systemLibrary(const wchar_t* name);
std::wstring errorText(DWORD code);
// The system's own system folder; empty where the call fails.
std::wstring systemDirectory();
// The common controls started with what the loaded comctl32 has.
BOOL initCommonControls();
// The major version of a loaded comctl32: 4 up to 4.72, 5, or 6.
DWORD commonControlsVersion(HMODULE comctl);
HINSTANCE shellOpen(const std::wstring& target);
std::optional<std::wstring> linkTarget(const std::wstring& link);
void acceptDrops(HWND h);
std::vector<std::wstring> droppedFiles(HDROP drop);

}  // namespace corvane::win32::api
