// PC keyboard set-1 scancodes, the key numbers every program polls.
#pragma once

namespace platform::key {

inline constexpr int Esc = 1;
inline constexpr int Digit1 = 2;  // 1..9 are 2..10, 0 is 11
inline constexpr int Digit0 = 11;
inline constexpr int Minus = 12;
inline constexpr int Backspace = 14;
inline constexpr int Tab = 15;
inline constexpr int Q = 16;
inline constexpr int W = 17;
inline constexpr int E = 18;
inline constexpr int R = 19;
inline constexpr int T = 20;
inline constexpr int Y = 21;
inline constexpr int U = 22;
inline constexpr int I = 23;
inline constexpr int O = 24;
inline constexpr int P = 25;
inline constexpr int Enter = 28;
inline constexpr int Ctrl = 29;
inline constexpr int A = 30;
inline constexpr int S = 31;
inline constexpr int D = 32;
inline constexpr int F = 33;
inline constexpr int G = 34;
inline constexpr int H = 35;
inline constexpr int J = 36;
inline constexpr int K = 37;
inline constexpr int L = 38;
inline constexpr int Z = 44;
inline constexpr int X = 45;
inline constexpr int C = 46;
inline constexpr int V = 47;
inline constexpr int B = 48;
inline constexpr int N = 49;
inline constexpr int M = 50;
inline constexpr int Space = 57;
inline constexpr int Up = 72;
inline constexpr int Left = 75;
inline constexpr int Right = 77;
inline constexpr int KpPlus = 78;
inline constexpr int Down = 80;
inline constexpr int F11 = 87;
inline constexpr int F12 = 88;

// Key state is kept for scancodes 0..kCount-1.
inline constexpr int kCount = 128;

}  // namespace platform::key
