#include "keys/pc_key_table.h"

#include "keys/key_fonts.h"

namespace lavrix {
namespace {

constexpr int kRowPitch = 600;
constexpr int kFirstRowTop = 240;
constexpr int kKeyHeight = 495;
// Enter covers rows 3 and 4.
constexpr int kEnterHeight = 1095;
constexpr std::string_view kEnterKey = "Tecla48";

}  // namespace

const std::vector<PcKey>& PcKeyTable() {
  static const std::vector<PcKey> keys{
      {"Tecla1", "ESC", 71, std::nullopt, 1, 120, 495},
      {"Tecla2", "F1", 48, std::nullopt, 1, 720, 495},
      {"Tecla3", "F2", 49, std::nullopt, 1, 1320, 495},
      {"Tecla4", "F3", 50, std::nullopt, 1, 1920, 495},
      {"Tecla5", "F4", 51, std::nullopt, 1, 2520, 495},
      {"Tecla6", "F5", 52, std::nullopt, 1, 3120, 495},
      {"Tecla7", "F6", 53, std::nullopt, 1, 3720, 495},
      {"Tecla8", "F7", 54, std::nullopt, 1, 4320, 495},
      {"Tecla9", "F8", 55, std::nullopt, 1, 4920, 495},
      {"Tecla10", "F9", 56, std::nullopt, 1, 5520, 495},
      {"Tecla11", "F10", 57, std::nullopt, 1, 6120, 495},
      {"Tecla12", "F11", 58, std::nullopt, 1, 6720, 495},
      {"Tecla13", "F12", 59, std::nullopt, 1, 7320, 495},
      {"Tecla14", "Nula", 0, " ", 1, 7920, 615},
      {"Tecla15", "Print Screen", 72, "PS", 1, 8640, 615},
      {"Tecla16", "Scroll Lock", 73, "SL", 1, 9480, 615},
      {"Tecla18", "   ~   '", 47, std::nullopt, 2, 120, 495, PcKeyFont::Large},
      {"Tecla19", "   !   1", 1, std::nullopt, 2, 720, 495},
      {"Tecla20", "  @  2", 2, std::nullopt, 2, 1320, 495},
      {"Tecla21", "   #   3", 3, std::nullopt, 2, 1920, 495},
      {"Tecla22", "   $   4", 4, std::nullopt, 2, 2520, 495},
      {"Tecla23", "  %  5", 5, std::nullopt, 2, 3120, 495},
      {"Tecla24", "   ^   6", 6, std::nullopt, 2, 3720, 495},
      {"Tecla25", "   &&     7  ", 7, std::nullopt, 2, 4320, 495},
      {"Tecla26", "   *   8", 8, std::nullopt, 2, 4920, 495},
      {"Tecla27", "   (   9", 9, std::nullopt, 2, 5520, 495},
      {"Tecla28", "   )    0", 10, std::nullopt, 2, 6120, 495},
      {"Tecla29", "   _   - ", 37, std::nullopt, 2, 6720, 495},
      {"Tecla30", "   +   =", 38, std::nullopt, 2, 7320, 495},
      {"Tecla31", "Back Space", 70, "BS", 2, 7920, 615},
      {"Tecla32", "Insert", 76, "INS", 2, 8640, 615},
      {"Tecla33", "Home", 78, "Ho", 2, 9480, 615},
      {"Tecla34", "Page Up", 80, "PU", 2, 10320, 615},
      {"Tecla35", "Tab", 69, std::nullopt, 3, 120, 495},
      {"Tecla36", "Q", 27, std::nullopt, 3, 720, 495},
      {"Tecla37", "W", 33, std::nullopt, 3, 1320, 495},
      {"Tecla38", "E", 15, std::nullopt, 3, 1920, 495},
      {"Tecla39", "R", 28, std::nullopt, 3, 2520, 495},
      {"Tecla40", "T", 30, std::nullopt, 3, 3120, 495},
      {"Tecla41", "Y", 35, std::nullopt, 3, 3720, 495},
      {"Tecla42", "U", 31, std::nullopt, 3, 4320, 495},
      {"Tecla43", "I", 19, std::nullopt, 3, 4920, 495},
      {"Tecla44", "O", 25, std::nullopt, 3, 5520, 495},
      {"Tecla45", "P", 26, std::nullopt, 3, 6120, 495},
      {"Tecla46", "   {    [", 40, std::nullopt, 3, 6720, 495},
      {"Tecla63", "    }    ]", 41, std::nullopt, 3, 7320, 495},
      {"Tecla48", "Enter", 63, "CR", 3, 8040, 495},
      {"Tecla49", "Delete", 77, "Del", 3, 8640, 615},
      {"Tecla50", "End", 79, std::nullopt, 3, 9480, 615},
      {"Tecla51", "Page Down", 81, "PD", 3, 10320, 615},
      {"Tecla47", "Caps Lock", 68, "CL", 4, 120, 1215},
      {"Tecla52", "A", 11, std::nullopt, 4, 1440, 495},
      {"Tecla53", "S", 29, std::nullopt, 4, 2040, 495},
      {"Tecla54", "D", 14, std::nullopt, 4, 2640, 495},
      {"Tecla55", "F", 16, std::nullopt, 4, 3240, 495},
      {"Tecla56", "G", 17, std::nullopt, 4, 3840, 495},
      {"Tecla57", "H", 18, std::nullopt, 4, 4440, 495},
      {"Tecla58", "J", 20, std::nullopt, 4, 5040, 495},
      {"Tecla59", "K", 21, std::nullopt, 4, 5640, 495},
      {"Tecla60", "L", 22, std::nullopt, 4, 6240, 495},
      {"Tecla61", "    :    ;", 42, std::nullopt, 4, 6840, 495},
      {"Tecla62", "   \"    '", 43, std::nullopt, 4, 7440, 495},
      {"Tecla87", "7", 98, std::nullopt, 4, 8640, 375},
      {"Tecla88", "8", 99, std::nullopt, 4, 9120, 375},
      {"Tecla89", "9", 100, std::nullopt, 4, 9600, 375},
      {"Tecla90", "/", 86, std::nullopt, 4, 10080, 375},
      {"Tecla91", "*", 87, std::nullopt, 4, 10560, 375},
      {"Tecla66", "Shift Esquerdo", 60, "SHe", 5, 120, 855},
      {"Tecla67", "   |    \\", 39, std::nullopt, 5, 1080, 495},
      {"Tecla68", "Z", 36, std::nullopt, 5, 1680, 495},
      {"Tecla65", "X", 34, std::nullopt, 5, 2280, 495},
      {"Tecla69", "C", 13, std::nullopt, 5, 2880, 495},
      {"Tecla70", "V", 32, std::nullopt, 5, 3480, 495},
      {"Tecla71", "B", 12, std::nullopt, 5, 4080, 495},
      {"Tecla72", "N", 24, std::nullopt, 5, 4680, 495},
      {"Tecla73", "M", 23, std::nullopt, 5, 5280, 495},
      {"Tecla74", "   <    ,", 44, std::nullopt, 5, 5880, 495},
      {"Tecla75", "   >   .", 45, std::nullopt, 5, 6480, 495},
      {"Tecla76", "  ?   /", 46, std::nullopt, 5, 7080, 495},
      {"Tecla77", "Shift Direito", 61, "SHd", 5, 7680, 855},
      {"Tecla92", "4", 95, std::nullopt, 5, 8640, 375},
      {"Tecla93", "5", 96, std::nullopt, 5, 9120, 375},
      {"Tecla94", "6", 97, std::nullopt, 5, 9600, 375},
      {"Tecla95", "+", 89, std::nullopt, 5, 10080, 375},
      {"Tecla96", "-", 88, std::nullopt, 5, 10560, 375},
      {"Tecla78", "Control Esquerdo", 66, "CTe", 6, 120, 855},
      {"Tecla79", "ALT Esquerdo", 64, "ALe", 6, 1080, 855},
      {"Tecla80", "Espaço", 62, "SPC", 6, 2040, 1575},
      {"Tecla81", "ALT Direito", 65, "ALd", 6, 3720, 855},
      {"Tecla82", "Control Direito", 67, "CTd", 6, 4680, 855},
      {"Tecla83", kArrowUpCaption, 82, std::nullopt, 6, 5640, 495, PcKeyFont::Wingdings},
      {"Tecla84", kArrowDownCaption, 83, std::nullopt, 6, 6240, 495, PcKeyFont::Wingdings},
      {"Tecla85", kArrowLeftCaption, 84, std::nullopt, 6, 6840, 495, PcKeyFont::Wingdings},
      {"Tecla86", kArrowRightCaption, 85, std::nullopt, 6, 7440, 495, PcKeyFont::Wingdings},
      {"Tecla102", "Num Lock", 74, "NL", 6, 8040, 495},
      {"Tecla97", "1", 92, std::nullopt, 6, 8640, 375},
      {"Tecla98", "2", 93, std::nullopt, 6, 9120, 375},
      {"Tecla99", "3", 94, std::nullopt, 6, 9600, 375},
      {"Tecla100", "0", 91, std::nullopt, 6, 10080, 375},
      {"Tecla101", ".", 90, std::nullopt, 6, 10560, 375},
  };
  return keys;
}

std::string_view SelectionCaption(const PcKey& key) {
  return key.shortCaption.value_or(key.caption);
}

std::string_view FontName(const PcKey& key) {
  return key.font == PcKeyFont::Wingdings ? kWingdingsFont : kSansSerifFont;
}

int PcKeyTop(const PcKey& key) {
  return kFirstRowTop + kRowPitch * (key.row - 1);
}

int PcKeyHeight(const PcKey& key) {
  return key.name == kEnterKey ? kEnterHeight : kKeyHeight;
}

}  // namespace lavrix
