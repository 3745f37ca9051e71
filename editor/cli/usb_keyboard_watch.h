#pragma once

namespace lavrix::cli {

// Whether a USB keyboard that a write reaches is on the bus now: a Dorvel one by the ids its
// library accepts (built-in and configured), or an Ilvar one.
bool UsbKeyboardPresent();

}  // namespace lavrix::cli
