#include "keys/cell_caption.h"

#include "keys/key_fonts.h"
#include "keys/matrix_positions.h"
#include "keys/pc_key_table.h"

namespace lavrix {
namespace {

constexpr int kFirstArrowCode = 82;
constexpr int kLastArrowCode = 85;

}  // namespace

const std::array<std::string_view, kCaptionedCodes> CellCaptionTable{
    " ",                 // 0
    "   !   1",          // 1
    "  @   2",           // 2
    "  #   3",           // 3
    "  $   4",           // 4
    "  %   5",           // 5
    "  ^   6",           // 6
    "   ´   7",          // 7
    "   *   8",          // 8
    "   (   9",          // 9
    "   )   0",          // 10
    "A",                 // 11
    "B",                 // 12
    "C",                 // 13
    "D",                 // 14
    "E",                 // 15
    "F",                 // 16
    "G",                 // 17
    "H",                 // 18
    "I",                 // 19
    "J",                 // 20
    "K",                 // 21
    "L",                 // 22
    "M",                 // 23
    "N",                 // 24
    "O",                 // 25
    "P",                 // 26
    "Q",                 // 27
    "R",                 // 28
    "S",                 // 29
    "T",                 // 30
    "U",                 // 31
    "V",                 // 32
    "W",                 // 33
    "X",                 // 34
    "Y",                 // 35
    "Z",                 // 36
    "   _   -",          // 37
    "   +   =",          // 38
    "   \\    |",        // 39
    "   {    [",         // 40
    "   }    ]",         // 41
    "   :    ;",         // 42
    "   ¨    '",         // 43
    "   <    ,",         // 44
    "   >    .",         // 45
    "   /    ?",         // 46
    "   ~    ´",         // 47
    "F1",                // 48
    "F2",                // 49
    "F3",                // 50
    "F4",                // 51
    "F5",                // 52
    "F6",                // 53
    "F7",                // 54
    "F8",                // 55
    "F9",                // 56
    "F10",               // 57
    "F11",               // 58
    "F12",               // 59
    "SHe",               // 60
    "SHd",               // 61
    "SPC",               // 62
    "CR",                // 63
    "ALe",               // 64
    "ALd",               // 65
    "CTe",               // 66
    "CTd",               // 67
    "CL",                // 68
    "TAB",               // 69
    "BS",                // 70
    "ESC",               // 71
    "PS",                // 72
    "SL",                // 73
    "NUM",               // 74
    "Pa",                // 75
    "Ins",               // 76
    "Del",               // 77
    "Ho",                // 78
    "End",               // 79
    "PU",                // 80
    "PD",                // 81
    kArrowUpCaption,     // 82
    kArrowDownCaption,   // 83
    kArrowLeftCaption,   // 84
    kArrowRightCaption,  // 85
    "/",                 // 86
    "*",                 // 87
    "-",                 // 88
    "+",                 // 89
    ".",                 // 90
    "0",                 // 91
    "1",                 // 92
    "2",                 // 93
    "3",                 // 94
    "4",                 // 95
    "5",                 // 96
    "6",                 // 97
    "7",                 // 98
    "8",                 // 99
    "9",                 // 100
};

std::optional<CellCaption> CaptionOfCode(int code) {
  if (code < 0 || code >= kCaptionedCodes) return std::nullopt;
  const bool arrow = code >= kFirstArrowCode && code <= kLastArrowCode;
  return CellCaption{CellCaptionTable[code], arrow ? kWingdingsFont : kSansSerifFont};
}

void ShowCellCaption(EditorState& state, EditorView& view) {
  std::string_view text;
  if (const auto caption = CaptionOfCode(state.CellCode)) {
    text = caption->text;
    state.CurrentFontName = caption->fontName;
  }
  if (!HasPositionButton(state.CellPosition)) return;
  view.SetPositionCaption(state.CellPosition, text, state.CurrentFontName);
}

}  // namespace lavrix
