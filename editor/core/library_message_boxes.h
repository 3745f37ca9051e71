#pragma once

namespace lavrix {

// While it lives, the libraries' message boxes show as dialogs of the editor.
class LibraryMessageBoxes {
 public:
  LibraryMessageBoxes();
  ~LibraryMessageBoxes();
  LibraryMessageBoxes(const LibraryMessageBoxes&) = delete;
  LibraryMessageBoxes& operator=(const LibraryMessageBoxes&) = delete;
};

}  // namespace lavrix
