#pragma once

namespace lavrix {

// Texts the splash window and the about box share.
inline constexpr char kProductName[] = "Lavrix";
inline constexpr char kVersionText[] = "Versão 1.6.0";
// The picture both windows show, one of the model pictures beside the program.
inline constexpr char kProductPicture[] = "dorvelm.gif";

}  // namespace lavrix
