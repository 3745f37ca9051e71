#include "core/varno_binding.h"

namespace lavrix {
namespace {

using OpenVarnoEntry = std::int32_t();
using CloseVarnoEntry = std::int32_t();
using GravaBloco512Entry = std::int32_t(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                        std::int32_t, std::int32_t);
using GravaBloco256Entry = std::int32_t(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                        std::int32_t);
using TerminaGravacaoEntry = std::int32_t();
using ResultadoGravacaoEntry = std::int32_t();
using DelayAdjEntry = std::int32_t(std::int32_t);

}  // namespace

VarnoBinding::VarnoBinding(const void* besideAddress) : library_("Varno", besideAddress) {}

template <typename Function, typename... Args>
VarnoCall VarnoBinding::Call(std::string_view entryName, Args... args) {
  if (!library_.Load()) return VarnoCall::LibraryMissing;
  void* entry = library_.Entry(entryName);
  if (!entry) return VarnoCall::EntryMissing;
  // Results carry nothing the editor acts on.
  reinterpret_cast<Function*>(entry)(args...);
  return VarnoCall::Done;
}

VarnoCall VarnoBinding::OpenVarno() {
  return Call<OpenVarnoEntry>("OpenVarno");
}

VarnoCall VarnoBinding::CloseVarno() {
  return Call<CloseVarnoEntry>("CloseVarno");
}

VarnoCall VarnoBinding::GravaBloco512(std::int32_t page, std::int32_t address, std::int32_t code1,
                                      std::int32_t code2, std::int32_t code3, std::int32_t code4) {
  return Call<GravaBloco512Entry>("GravaBloco512", page, address, code1, code2, code3, code4);
}

VarnoCall VarnoBinding::GravaBloco256(std::int32_t address, std::int32_t code1, std::int32_t code2,
                                      std::int32_t code3, std::int32_t code4) {
  return Call<GravaBloco256Entry>("GravaBloco256", address, code1, code2, code3, code4);
}

VarnoCall VarnoBinding::TerminaGravacao() {
  return Call<TerminaGravacaoEntry>("TerminaGravacao");
}

VarnoCall VarnoBinding::ResultadoGravacao(std::int32_t& reached) {
  if (!library_.Load()) return VarnoCall::LibraryMissing;
  void* entry = library_.Entry("ResultadoGravacao");
  if (!entry) return VarnoCall::EntryMissing;
  reached = reinterpret_cast<ResultadoGravacaoEntry*>(entry)();
  return VarnoCall::Done;
}

VarnoCall VarnoBinding::DelayAdj(std::int16_t delay) {
  return Call<DelayAdjEntry>("DelayAdj", std::int32_t{delay});
}

}  // namespace lavrix
