#pragma once

#include <cstdint>
#include <string_view>

#include "core/lazy_library.h"
#include "core/varno_calls.h"

namespace lavrix {

// Varno as the editor binds it: "libvarno.so" beside the editor, loaded at the first call.
class VarnoBinding final : public VarnoCalls {
 public:
  explicit VarnoBinding(const void* besideAddress);

  VarnoCall OpenVarno() override;
  VarnoCall CloseVarno() override;

 private:
  template <typename Function, typename... Args>
  VarnoCall Call(std::string_view entryName, Args... args);

  LazyLibrary library_;
};

}  // namespace lavrix
