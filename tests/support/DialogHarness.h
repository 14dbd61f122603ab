#pragma once
#include <functional>
#include <string>

#include <windows.h>

class CDialog;

// Runs a dialog through its own modal loop on the test's thread while a
// script drives it from a second thread, as a user (or a barcode scanner)
// would: text into controls, keys and clicks posted to the windows.
class DialogHarness {
public:
    // Returns once the dialog has closed; the script should end by Close().
    // A dialog that does not show within ten seconds fails the test, and
    // the script does not run.
    void Run(CDialog& dialog, const std::function<void(DialogHarness&)>& script);

    HWND Dialog() const { return dialog; }
    HWND Item(int id) const { return ::GetDlgItem(dialog, id); }
    DWORD UiThreadId() const { return uiThread; }

    void SetText(int id, const std::string& utf8);
    std::string Text(int id);
    // A key press through the message queue, as the keyboard delivers it.
    void PressKey(HWND target, WPARAM key);
    void Search(const std::string& utf8);
    void Close();
    // Runs fn on the dialog's thread and waits for it.
    void OnUiThread(const std::function<void()>& fn);
    // Waits until the dialog's thread has handled every message posted to it
    // before the call (a thread's posted messages come in order); false when
    // it has not within 10 s.
    bool DrainPosted();

    int RowCount();
    std::string Cell(int row, int column);  // UTF-8
    HWND FocusedWindow();

private:
    HWND dialog = nullptr;
    HWND runner = nullptr;
    DWORD uiThread = 0;
};
