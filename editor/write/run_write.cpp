#include "write/run_write.h"

#include <string_view>
#include <type_traits>

namespace lavrix {
namespace {

using namespace write_step;

constexpr std::string_view kWriteDone = "Gravação efetuado com sucesso.";
constexpr std::string_view kNoKeyboard =
    "Gravação não efetuada: nenhum teclado respondeu. Verifique se o teclado está conectado.";
constexpr std::string_view kLibraryMissing =
    "Biblioteca Varno não encontrada. Gravação não efetuada.";

WriteMessage MissingMessage(VarnoCall call, std::string_view entry) {
  if (call == VarnoCall::LibraryMissing) return {std::string(kLibraryMissing), true};
  return {"Função " + std::string(entry) + " não encontrada na biblioteca Varno. " +
              "Gravação não efetuada.",
          true};
}

WriteOutcome AskResult(VarnoCalls& varno) {
  std::int32_t reached = 0;
  if (varno.ResultadoGravacao(reached) != VarnoCall::Done) return WriteOutcome::Unconfirmed;
  return reached == 0 ? WriteOutcome::NotReached : WriteOutcome::Reached;
}

WriteMessage ResultMessage(WriteOutcome outcome) {
  if (outcome == WriteOutcome::NotReached) return {std::string(kNoKeyboard), true};
  return {std::string(kWriteDone), false};
}

struct StepRunner {
  const CellCodes& codes;
  VarnoCalls& varno;
  WriteSurface& surface;
  WriteOutcome& outcome;

  std::int32_t Code(const BlockCodes& block, std::size_t i) const {
    return block[i].Resolve(codes);
  }

  // How the step's call into Varno went, and the entry it called; Done for a step without one.
  std::pair<VarnoCall, std::string_view> operator()(const WriteStep& step) const {
    return std::visit(
        [this](const auto& s) -> std::pair<VarnoCall, std::string_view> {
          using Step = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<Step, ProcessEvents>) {
            surface.ProcessEvents();
          } else if constexpr (std::is_same_v<Step, SetProgress>) {
            surface.SetProgress(s.value);
          } else if constexpr (std::is_same_v<Step, Block512>) {
            return {varno.GravaBloco512(s.page, s.address, Code(s.codes, 0), Code(s.codes, 1),
                                        Code(s.codes, 2), Code(s.codes, 3)),
                    "GravaBloco512"};
          } else if constexpr (std::is_same_v<Step, Block256>) {
            return {varno.GravaBloco256(s.address, Code(s.codes, 0), Code(s.codes, 1),
                                        Code(s.codes, 2), Code(s.codes, 3)),
                    "GravaBloco256"};
          } else if constexpr (std::is_same_v<Step, Pause>) {
            surface.Pause(s.milliseconds);
          } else if constexpr (std::is_same_v<Step, EndWrite>) {
            return {varno.TerminaGravacao(), "TerminaGravacao"};
          } else {
            static_assert(std::is_same_v<Step, ShowResult>);
            outcome = AskResult(varno);
            surface.ShowMessage(ResultMessage(outcome));
          }
          return {VarnoCall::Done, {}};
        },
        step);
  }
};

}  // namespace

WriteOutcome RunWrite(const WritePlan& plan, const CellCodes& codes, VarnoCalls& varno,
                      WriteSurface& surface) {
  WriteOutcome outcome = WriteOutcome::Unconfirmed;
  const StepRunner run{codes, varno, surface, outcome};
  for (const WriteStep& step : plan) {
    if (const auto [call, entry] = run(step); call != VarnoCall::Done) {
      surface.SetProgress(0);
      surface.ShowMessage(MissingMessage(call, entry));
      return WriteOutcome::Stopped;
    }
  }
  return outcome;
}

}  // namespace lavrix
