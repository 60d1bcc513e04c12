#pragma once
// The class library's value types and constants: colours, cursors, alignments,
// border styles, shift states, key codes, shortcuts, modal results and the
// Windows message-box flags and answer ids, all with their stored values.

#include <cstdint>

namespace ui {

// A colour as stored: red in the low byte, blue in the high byte; system colours
// carry the high bit and the system colour index in the low byte.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
inline constexpr TColor clWindow = kSystemColorFlag | 5;
inline constexpr TColor clWindowText = kSystemColorFlag | 8;
inline constexpr TColor clBtnFace = kSystemColorFlag | 15;
inline constexpr TColor clBtnText = kSystemColorFlag | 18;

constexpr bool IsSystemColor(TColor color) {
  return (color & kSystemColorFlag) != 0;
}
// The Windows system colour index (COLOR_BTNFACE 15, …) of a system colour.
constexpr int SystemColorIndex(TColor color) {
  return color & 0xFF;
}

// Character sets of a font.
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SHIFTJIS_CHARSET = 128;

enum class TCursor { crDefault, crArrow, crHourGlass, crHandPoint, crIBeam };
using enum TCursor;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using enum TAlign;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using enum TBevelCut;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;

// Title-bar buttons, combined as flags.
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1;
inline constexpr TBorderIcons biMinimize = 2;
inline constexpr TBorderIcons biMaximize = 4;
inline constexpr TBorderIcons biHelp = 8;

enum class TFormStyle { fsNormal, fsStayOnTop };
using enum TFormStyle;

enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
using enum TPosition;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

enum class TComboBoxStyle { csDropDown, csDropDownList };
using enum TComboBoxStyle;

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
using enum TStaticBorderStyle;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

enum class TUDBtnType { btNext, btPrev };
using enum TUDBtnType;

// Shift state of a key or mouse event, combined as flags.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;
inline constexpr TShiftState ssDouble = 64;

// Virtual key codes.
inline constexpr unsigned short VK_BACK = 8;
inline constexpr unsigned short VK_TAB = 9;
inline constexpr unsigned short VK_RETURN = 13;
inline constexpr unsigned short VK_ESCAPE = 27;
inline constexpr unsigned short VK_SPACE = 32;
inline constexpr unsigned short VK_DELETE = 46;

// A menu shortcut as stored: the key code plus 8192 for Shift, 16384 for Ctrl
// and 32768 for Alt; Ctrl+A is 16449.
using TShortCut = int;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut ShortCut(unsigned short key, TShiftState shift) {
  return key | ((shift & ssShift) ? scShift : 0) | ((shift & ssCtrl) ? scCtrl : 0) |
         ((shift & ssAlt) ? scAlt : 0);
}

// Modal results.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// Message-box flags: the buttons in the low four bits, the icon in the next four.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_RETRYCANCEL = 0x05;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// Message-box answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Help commands.
inline constexpr int HELP_CONTENTS = 3;
inline constexpr int HELP_FINDER = 11;

// A rectangle in pixels; Right and Bottom are exclusive.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

// Size limits of a control; 0 means no limit.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  bool operator==(const TSizeConstraints&) const = default;
};

}  // namespace ui
