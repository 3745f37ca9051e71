#pragma once

#include <cstdint>

namespace lavrix {

// How a call into Varno went: it reached the library, or it did nothing because the library or
// the entry could not be found.
enum class VarnoCall { Done, LibraryMissing, EntryMissing };

// The entries of the programming library Varno that the editor calls. Apart from
// ResultadoGravacao, their results carry no status the editor uses, so only whether the call
// happened comes back.
class VarnoCalls {
 public:
  virtual ~VarnoCalls() = default;
  virtual VarnoCall OpenVarno() = 0;
  virtual VarnoCall CloseVarno() = 0;
  // The block and end calls of a write; only the low bytes of page, address and codes count.
  virtual VarnoCall GravaBloco512(std::int32_t page, std::int32_t address, std::int32_t code1,
                                  std::int32_t code2, std::int32_t code3, std::int32_t code4) = 0;
  virtual VarnoCall GravaBloco256(std::int32_t address, std::int32_t code1, std::int32_t code2,
                                  std::int32_t code3, std::int32_t code4) = 0;
  virtual VarnoCall TerminaGravacao() = 0;
  // Whether the last TerminaGravacao reached a keyboard: `reached` 1 or 0, set only when Done.
  virtual VarnoCall ResultadoGravacao(std::int32_t& reached) = 0;
  // The options dialog's delay; Varno has no such entry, so this reports EntryMissing there.
  virtual VarnoCall DelayAdj(std::int16_t delay) = 0;
};

}  // namespace lavrix
