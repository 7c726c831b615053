// Answers the modal windows a command opens, the way a user would: from a
// second thread, while the command runs (and pumps its modal loop) on the
// thread that sent it. Works on windows of this process and of another one.
#ifndef DUELMARK_TESTS_DIALOG_SCRIPT_H
#define DUELMARK_TESTS_DIALOG_SCRIPT_H

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class DialogScript {
public:
    // Starts steps on its own thread at once. mainWindow's process is the
    // one whose dialogs are answered; mainWindow itself never counts.
    DialogScript(HWND mainWindow, std::function<void(DialogScript &)> steps);
    // Every dialog of the process counts, its main window included.
    DialogScript(DWORD processId, std::function<void(DialogScript &)> steps);
    ~DialogScript();

    // The next visible, enabled dialog (#32770: message boxes, the setup
    // dialog, the file dialogs) not yet answered, once its thread has got
    // as far as taking messages; NULL, with a failure noted, when none
    // shows within timeoutMs, which is generous: a busy machine can take
    // many seconds to start a process and load what a dialog needs.
    HWND next(const char *expected, DWORD timeoutMs = 30000);

    // Clicks a dialog's button as the dialog manager would report it.
    void press(HWND dialog, int id);
    // Notes a dialog as answered some other way (a key, the close box).
    void handled(HWND dialog) { answered.push_back(dialog); }
    // Types into an edit control: WM_SETTEXT, which raises EN_CHANGE.
    void type(HWND edit, const std::wstring &text);
    // The file-name field of the platform's Open / Save dialog.
    HWND fileNameEdit(HWND fileDialog);
    // Types a full path into a file dialog and presses OK.
    void chooseFile(HWND fileDialog, const std::wstring &path);

    void fail(const std::string &what) { failures.push_back(what); }

    // Called once the command has returned: any dialog still turning up is
    // cancelled and noted as unexpected. Returns the failures, joined.
    std::string finish();

    static std::wstring caption(HWND window);
    static std::wstring messageText(HWND messageBox);
    static std::string narrow(const std::wstring &text);

private:
    HWND mainWindow;
    DWORD processId;
    std::vector<HWND> answered;
    std::vector<std::string> failures;
    std::atomic<bool> commandDone{false};
    std::thread worker;

    HWND findOpenDialog();
    void start(std::function<void(DialogScript &)> steps);
};

// Waits until the keyboard focus is in window or one of its children, so
// that keys typed for real reach it: on a busy machine a window can be
// answering messages while the focus is still where it was before. 1 once
// it is there, 0 when it is not within timeoutMs.
int waitForFocusIn(HWND window, DWORD timeoutMs = 30000);

// Pumps this thread's messages for a while, as a modeless dialog's loop
// does: keys for dialog go through IsDialogMessageW (Esc, Enter, Tab).
void pumpMessages(HWND dialog, DWORD milliseconds);

#endif
