// A small automation client for the programs' windows under Wine: finds top-level
// windows by title, clicks controls by id, picks list items, presses keys, reads texts
// and states, answers message boxes and waits for windows to come and go.
//   automation.exe "COMMAND ARGS" ...    (or one command a line on stdin)
// Titles and texts are UTF-8 on the command line, on stdin and in the output. Every
// command prints plain lines; the first failing command prints "error ..." and ends the
// run with exit code 1. docs/automation.md lists the commands.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, w.data(), n);
    if (!w.empty() && w.back() == L'\0') w.pop_back();
    return w;
}

std::string Utf8(const std::wstring& wide) {
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, s.data(), n, nullptr, nullptr);
    if (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[4096];
    // WM_GETTEXT with a timeout, so a hung program does not hang the client.
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 3000, &got)) {
        return L"";
    }
    return std::wstring(buffer, got);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

struct Found {
    std::wstring title;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM l) {
    auto* found = reinterpret_cast<Found*>(l);
    if (IsWindowVisible(hwnd) && TextOf(hwnd) == found->title) found->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevel(const std::wstring& title) {
    Found found{title, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

struct ById {
    int id;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectById(HWND hwnd, LPARAM l) {
    auto* found = reinterpret_cast<ById*>(l);
    if (GetDlgCtrlID(hwnd) == found->id) found->windows.push_back(hwnd);
    return TRUE;
}

// The control with this id anywhere inside the window: the one the user sees when
// pages share ids, else the first.
HWND Control(HWND top, int id) {
    ById found{id, {}};
    EnumChildWindows(top, CollectById, reinterpret_cast<LPARAM>(&found));
    for (HWND h : found.windows) {
        if (IsWindowVisible(h)) return h;
    }
    return found.windows.empty() ? nullptr : found.windows.front();
}

bool IsMessageBox(HWND hwnd) {
    // A message box: a dialog with no page area and no child dialogs, only buttons,
    // statics and its icon.
    if (ClassOf(hwnd) != L"#32770") return false;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring cls = ClassOf(child);
        if (cls != L"Button" && cls != L"Static") return false;
    }
    return true;
}

void Settle(HWND hwnd) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
    Sleep(50);
}

class Session {
public:
    bool Run(const std::string& line);

private:
    bool Fail(const std::string& why) {
        std::printf("error %s\n", why.c_str());
        std::fflush(stdout);
        return false;
    }
    bool NeedWindow() {
        if (!window_ || !IsWindow(window_)) return Fail("no window chosen (use: window TITLE)");
        return true;
    }
    HWND WaitFor(const std::wstring& title, int ms, bool box);
    bool Click(int id);
    bool Select(int id, int index);
    bool Key(const std::string& name);
    bool Answer(const std::wstring& title, int button, int ms);

    HWND window_ = nullptr;
};

HWND Session::WaitFor(const std::wstring& title, int ms, bool box) {
    // A message box is looked for strictly; a window prefers one that is not a box (a
    // wizard and its boxes share the title), but a small dialog like an About box passes
    // for a box too.
    for (int waited = 0;; waited += 100) {
        std::vector<HWND> all = TopLevel(title);
        for (HWND h : all) {
            if (IsMessageBox(h) == box) return h;
        }
        if (!box && !all.empty()) return all.front();
        if (waited >= ms) return nullptr;
        Sleep(100);
    }
}

bool Session::Click(int id) {
    if (!NeedWindow()) return false;
    HWND control = Control(window_, id);
    if (!control) return Fail("no control " + std::to_string(id));
    if (!IsWindowVisible(control)) return Fail("control " + std::to_string(id) + " is not visible");
    if (!IsWindowEnabled(control)) return Fail("control " + std::to_string(id) + " is disabled");
    // Posted, so a message box that the click opens does not block the client.
    PostMessageW(control, BM_CLICK, 0, 0);
    Settle(window_);
    std::printf("clicked %d\n", id);
    return true;
}

bool Session::Select(int id, int index) {
    if (!NeedWindow()) return false;
    HWND combo = Control(window_, id);
    if (!combo) return Fail("no control " + std::to_string(id));
    if (!IsWindowVisible(combo) || !IsWindowEnabled(combo)) return Fail("control " + std::to_string(id) + " cannot be used");
    DWORD_PTR result = 0;
    SendMessageTimeoutW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 3000, &result);
    if (static_cast<LRESULT>(result) != index) return Fail("no item " + std::to_string(index) + " in " + std::to_string(id));
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Settle(window_);
    std::printf("selected %d %d\n", id, index);
    return true;
}

bool Session::Key(const std::string& name) {
    if (!NeedWindow()) return false;
    WORD vk = name == "F1" ? VK_F1 : name == "ESC" ? VK_ESCAPE : name == "ENTER" ? VK_RETURN : name == "TAB" ? VK_TAB : 0;
    if (!vk) return Fail("unknown key " + name);
    SetForegroundWindow(window_);
    Sleep(100);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(200);
    Settle(window_);
    std::printf("pressed %s\n", name.c_str());
    return true;
}

bool Session::Answer(const std::wstring& title, int button, int ms) {
    HWND box = WaitFor(title, ms, true);
    if (!box) return Fail("no message box \"" + Utf8(title) + "\"");
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static") {
            std::string t = Utf8(TextOf(child));
            if (t.size() > text.size()) text = t;
        }
    }
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    std::printf("box %s: %s\n", Utf8(title).c_str(), text.c_str());
    HWND target = GetDlgItem(box, button);
    if (!target) return Fail("the box has no button " + std::to_string(button));
    PostMessageW(target, BM_CLICK, 0, 0);
    for (int waited = 0; IsWindow(box) && waited < 3000; waited += 50) Sleep(50);
    std::printf("answered %d\n", button);
    return true;
}

bool Session::Run(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::string rest;
    std::getline(in, rest);
    if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    auto intArg = [&](int& value) { std::istringstream a(rest); return static_cast<bool>(a >> value); };
    if (command.empty() || command[0] == '#') return true;

    if (command == "window" || command == "wait-window") {
        // window TITLE: waits up to 10 s for it.
        window_ = WaitFor(Wide(rest), 10000, false);
        if (!window_) return Fail("no window \"" + rest + "\"");
        std::printf("window %s\n", rest.c_str());
        return true;
    }
    if (command == "exists") {
        bool any = !TopLevel(Wide(rest)).empty();
        std::printf("exists %s %s\n", any ? "yes" : "no", rest.c_str());
        return true;
    }
    if (command == "count") {
        std::printf("count %d %s\n", static_cast<int>(TopLevel(Wide(rest)).size()), rest.c_str());
        return true;
    }
    if (command == "wait-gone") {
        for (int waited = 0; !TopLevel(Wide(rest)).empty(); waited += 100) {
            if (waited >= 10000) return Fail("window stays: \"" + rest + "\"");
            Sleep(100);
        }
        std::printf("gone %s\n", rest.c_str());
        return true;
    }
    if (command == "answer") {
        // answer BUTTON TITLE
        std::istringstream a(rest);
        int button = 0;
        a >> button;
        std::string title;
        std::getline(a, title);
        if (!title.empty() && title[0] == ' ') title.erase(0, 1);
        return Answer(Wide(title), button, 10000);
    }
    if (command == "sleep") {
        int ms = 0;
        intArg(ms);
        Sleep(static_cast<DWORD>(ms));
        return true;
    }
    if (command == "key") return Key(rest);
    int id = 0;
    if (command == "click") {
        if (!intArg(id)) return Fail("click needs an id");
        return Click(id);
    }
    if (command == "select") {
        std::istringstream a(rest);
        int index = 0;
        if (!(a >> id >> index)) return Fail("select needs an id and an index");
        return Select(id, index);
    }
    if (!NeedWindow()) return false;
    if (command == "title") {
        std::printf("title %s\n", Utf8(TextOf(window_)).c_str());
        return true;
    }
    if (command == "close") {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        std::printf("closed\n");
        return true;
    }
    if (command == "syscommand") {
        if (!intArg(id)) return Fail("syscommand needs a command");
        PostMessageW(window_, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
        Settle(window_);
        std::printf("syscommand %d\n", id);
        return true;
    }
    if (!intArg(id)) return Fail("unknown command: " + line);
    HWND control = Control(window_, id);
    if (!control) return Fail("no control " + std::to_string(id));
    if (command == "text") {
        std::printf("text %d %s\n", id, Utf8(TextOf(control)).c_str());
    } else if (command == "state") {
        LRESULT check = SendMessageW(control, BM_GETCHECK, 0, 0);
        std::printf("state %d enabled=%d visible=%d checked=%d\n", id, IsWindowEnabled(control) ? 1 : 0,
                    IsWindowVisible(control) ? 1 : 0, ClassOf(control) == L"Button" ? static_cast<int>(check) : 0);
    } else if (command == "combo") {
        int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        int selection = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
        std::printf("combo %d count=%d selected=%d\n", id, count, selection);
        for (int i = 0; i < count; ++i) {
            wchar_t item[512] = {};
            if (SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 512) {
                SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            }
            std::printf("item %d %s\n", i, Utf8(item).c_str());
        }
    } else {
        return Fail("unknown command: " + line);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Session session;
    bool ok = true;
    if (argc > 1) {
        for (int i = 1; i < argc && ok; ++i) ok = session.Run(Utf8(argv[i]));
    } else {
        std::string line;
        while (ok && std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            ok = session.Run(line);
            std::fflush(stdout);
        }
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
