#pragma once

// Keys reach the game as Windows virtual-key codes, whatever the back end: the
// game code and its data name keys by these numbers (Escape 27, Enter 13, ...).
namespace VirtualKey {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Pause = 19;
constexpr int CapsLock = 20;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int PrintScreen = 44;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Digit0 = 48;  // '0' .. '9' are 48 .. 57
constexpr int LetterA = 65; // 'A' .. 'Z' are 65 .. 90
constexpr int Numpad0 = 96; // keypad 0 .. 9 are 96 .. 105
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Decimal = 110;
constexpr int Divide = 111;
constexpr int F1 = 112; // F1 .. F12 are 112 .. 123
constexpr int NumLock = 144;
constexpr int ScrollLock = 145;
constexpr int Oem1 = 0xBA;
constexpr int OemPlus = 0xBB;
constexpr int OemComma = 0xBC;
constexpr int OemMinus = 0xBD;
constexpr int OemPeriod = 0xBE;
constexpr int Oem2 = 0xBF;
constexpr int Oem3 = 0xC0;
constexpr int Oem4 = 0xDB;
constexpr int Oem5 = 0xDC;
constexpr int Oem6 = 0xDD;
constexpr int Oem7 = 0xDE;
constexpr int Oem102 = 0xE2;

constexpr int FunctionKey(int number) { return F1 + number - 1; }
} // namespace VirtualKey
