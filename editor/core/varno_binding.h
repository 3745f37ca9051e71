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
  VarnoCall GravaBloco512(std::int32_t page, std::int32_t address, std::int32_t code1,
                          std::int32_t code2, std::int32_t code3, std::int32_t code4) override;
  VarnoCall GravaBloco256(std::int32_t address, std::int32_t code1, std::int32_t code2,
                          std::int32_t code3, std::int32_t code4) override;
  VarnoCall TerminaGravacao() override;
  VarnoCall ResultadoGravacao(std::int32_t& reached) override;
  VarnoCall DelayAdj(std::int16_t delay) override;

 private:
  template <typename Function, typename... Args>
  VarnoCall Call(std::string_view entryName, Args... args);

  LazyLibrary library_;
};

}  // namespace lavrix
