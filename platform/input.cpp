// SPDX-License-Identifier: GPL-3.0-or-later
#include "input.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

namespace Input {

namespace {

struct KeyPair
{
    int key;
    qint16 code;
};

// Keys whose virtual-key code is not their own Qt value; sorted by Qt key. Punctuation keys
// are placed as on a US keyboard, with their shifted characters on the same key.
constexpr KeyPair keyTable[] = {
    {Qt::Key_Space, 32},       {Qt::Key_Exclam, 49},
    {Qt::Key_QuoteDbl, 222},   {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},
    {Qt::Key_Ampersand, 55},   {Qt::Key_Apostrophe, 222},
    {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
    {Qt::Key_Asterisk, 56},    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},     {Qt::Key_Slash, 191},
    {Qt::Key_Colon, 186},      {Qt::Key_Semicolon, 186},
    {Qt::Key_Less, 188},       {Qt::Key_Equal, 187},
    {Qt::Key_Greater, 190},    {Qt::Key_Question, 191},
    {Qt::Key_At, 50},          {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},  {Qt::Key_BracketRight, 221},
    {Qt::Key_AsciiCircum, 54}, {Qt::Key_Underscore, 189},
    {Qt::Key_QuoteLeft, 192},  {Qt::Key_BraceLeft, 219},
    {Qt::Key_Bar, 220},        {Qt::Key_BraceRight, 221},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_Escape, 27},
    {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Backspace, 8},    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Pause, 19},
    {Qt::Key_Print, 44},       {Qt::Key_SysReq, 44},
    {Qt::Key_Clear, 12},       {Qt::Key_Home, 36},
    {Qt::Key_End, 35},         {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},     {Qt::Key_Meta, 91},
    {Qt::Key_Alt, 18},         {Qt::Key_CapsLock, 20},
    {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},        {Qt::Key_Help, 47},
    {Qt::Key_Back, 166},       {Qt::Key_Forward, 167},
    {Qt::Key_Stop, 169},       {Qt::Key_Refresh, 168},
    {Qt::Key_VolumeDown, 174}, {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeUp, 175},   {Qt::Key_MediaPlay, 179},
    {Qt::Key_MediaStop, 178},  {Qt::Key_MediaPrevious, 177},
    {Qt::Key_MediaNext, 176},  {Qt::Key_MediaTogglePlayPause, 179},
    {Qt::Key_HomePage, 172},   {Qt::Key_Favorites, 171},
    {Qt::Key_Search, 170},     {Qt::Key_LaunchMail, 180},
    {Qt::Key_LaunchMedia, 181}, {Qt::Key_Launch0, 182},
    {Qt::Key_Launch1, 183},    {Qt::Key_AltGr, 18},
    {Qt::Key_Select, 41},      {Qt::Key_Cancel, 3},
    {Qt::Key_Printer, 42},     {Qt::Key_Execute, 43},
    {Qt::Key_Sleep, 95},       {Qt::Key_Play, 250},
    {Qt::Key_Zoom, 251},
};

constexpr bool sortedByKey()
{
    for (size_t i = 1; i < std::size(keyTable); ++i) {
        if (keyTable[i - 1].key >= keyTable[i].key)
            return false;
    }
    return true;
}
static_assert(sortedByKey(), "keyTable must be sorted by Qt key for the binary search");

// The keypad has codes of its own for its digits and operators.
qint16 keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return qint16(96 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

} // namespace

qint16 keyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const qint16 code = keypadCode(key))
            return code;
    }
    // Digits and letters A to Z keep their values; lower-case letters never reach a key event.
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return qint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return qint16(112 + (key - Qt::Key_F1));
    const auto found = std::lower_bound(std::begin(keyTable), std::end(keyTable), key,
                                        [](const KeyPair &p, int k) { return p.key < k; });
    if (found != std::end(keyTable) && found->key == key)
        return found->code;
    return 0;
}

qint16 shiftMask(Qt::KeyboardModifiers modifiers)
{
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

qint16 mouseButtons(Qt::MouseButtons buttons)
{
    qint16 mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

} // namespace Input
