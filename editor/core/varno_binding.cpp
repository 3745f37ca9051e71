#include "core/varno_binding.h"

namespace lavrix {
namespace {

using OpenVarnoEntry = std::int32_t();
using CloseVarnoEntry = std::int32_t();

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

}  // namespace lavrix
