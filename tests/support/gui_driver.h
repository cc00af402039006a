// Driving windows from a test as a person would: keys, pumping messages, waiting for windows.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace shortex::testing {

// Dispatches the thread's messages for a while, with the dialog keyboard handling of dialogWindow.
void PumpMessages(DWORD milliseconds = 50, HWND dialogWindow = nullptr);

// Pumps until the condition holds or the time is up; answers the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000, HWND dialogWindow = nullptr);

// Waits (without pumping) until the condition holds or the time is up, polling.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Presses the keys in order and releases them in reverse, through SendInput.
void PressKeys(std::initializer_list<WORD> virtualKeys);

// Brings the window forward and gives the control the keyboard focus, so keys reach it.
void FocusForKeys(HWND topLevel, HWND control);

std::wstring WindowText(HWND window);

// The first visible top-level window of the process with that class (and title, if given).
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

}  // namespace shortex::testing
