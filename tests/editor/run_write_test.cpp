#include "write/run_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lavrix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Varno as the write sees it: every call recorded, each entry's answer settable.
class RecordingVarno : public VarnoCalls {
 public:
  VarnoCall OpenVarno() override { return VarnoCall::Done; }
  VarnoCall CloseVarno() override { return VarnoCall::Done; }
  VarnoCall DelayAdj(std::int16_t) override { return VarnoCall::Done; }
  VarnoCall GravaBloco512(std::int32_t page, std::int32_t address, std::int32_t code1,
                          std::int32_t code2, std::int32_t code3, std::int32_t code4) override {
    return Record("GravaBloco512", {page, address, code1, code2, code3, code4});
  }
  VarnoCall GravaBloco256(std::int32_t address, std::int32_t code1, std::int32_t code2,
                          std::int32_t code3, std::int32_t code4) override {
    return Record("GravaBloco256", {address, code1, code2, code3, code4});
  }
  VarnoCall TerminaGravacao() override { return Record("TerminaGravacao", {}); }
  VarnoCall ResultadoGravacao(std::int32_t& reached) override {
    const VarnoCall call = Record("ResultadoGravacao", {});
    if (call == VarnoCall::Done) reached = result;
    return call;
  }

  std::vector<std::string> calls;
  std::vector<std::vector<std::int32_t>> arguments;
  std::map<std::string, VarnoCall> answers;
  std::int32_t result = 1;

 private:
  VarnoCall Record(const std::string& entry, std::vector<std::int32_t> args) {
    const auto answer = answers.find(entry);
    const VarnoCall call = answer == answers.end() ? VarnoCall::Done : answer->second;
    if (call == VarnoCall::Done) {
      calls.push_back(entry);
      arguments.push_back(std::move(args));
    }
    return call;
  }
};

class RecordingSurface : public WriteSurface {
 public:
  void ProcessEvents() override {
    ++events;
    if (onEvents) onEvents();
  }
  void SetProgress(double value) override { progress.push_back(value); }
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  void ShowMessage(const WriteMessage& message) override { messages.push_back(message); }

  int events = 0;
  std::function<void()> onEvents;
  std::vector<double> progress;
  std::vector<int> pauses;
  std::vector<WriteMessage> messages;
};

const WriteMessage kDone{"Gravação efetuado com sucesso.", false};
const WriteMessage kNoKeyboard{
    "Gravação não efetuada: nenhum teclado respondeu. Verifique se o teclado está conectado.",
    true};

TEST(RunWrite, ABlockTakesTheCodesItsCellsHoldWhenItGoesOut) {
  CellCodes codes{};
  codes[0] = 11;
  RecordingVarno varno;
  RecordingSurface surface;
  // A key placed while the write lets events in, after the first block went out.
  surface.onEvents = [&] {
    if (varno.calls.size() == 1) codes[17] = 0x11C;
  };
  RunWrite(PlanWrite(9, codes), codes, varno, surface);
  ASSERT_EQ(varno.calls.size(), 22u);
  EXPECT_EQ(varno.arguments[0], (std::vector<std::int32_t>{0, 11, 0, 0, 0}));
  EXPECT_EQ(varno.arguments[4], (std::vector<std::int32_t>{16, 0, 0x11C, 0, 0}));
  EXPECT_EQ(varno.calls[20], "TerminaGravacao");
  EXPECT_EQ(varno.calls[21], "ResultadoGravacao");
  EXPECT_EQ(surface.events, 20);
  EXPECT_EQ(surface.progress.back(), 0);
  EXPECT_THAT(surface.messages, ElementsAre(kDone));
}

TEST(RunWrite, TheMessageSaysWhetherAKeyboardReceivedTheLayout) {
  struct Case {
    const char* name;
    VarnoCall resultCall;
    std::int32_t reached;
    WriteMessage message;
    WriteOutcome outcome;
  };
  for (const Case& c :
       {Case{"reached", VarnoCall::Done, 1, kDone, WriteOutcome::Reached},
        Case{"no keyboard", VarnoCall::Done, 0, kNoKeyboard, WriteOutcome::NotReached},
        // A Varno without the entry: no way to know, as before.
        Case{"no entry", VarnoCall::EntryMissing, 0, kDone, WriteOutcome::Unconfirmed}}) {
    SCOPED_TRACE(c.name);
    RecordingVarno varno;
    varno.result = c.reached;
    varno.answers["ResultadoGravacao"] = c.resultCall;
    RecordingSurface surface;
    EXPECT_EQ(RunWrite(PlanWrite(14, CellCodes{}), CellCodes{}, varno, surface), c.outcome);
    EXPECT_THAT(surface.messages, ElementsAre(c.message));
    // Models 14 and 17 clear the bar after the message.
    EXPECT_EQ(surface.progress.end()[-2], 12);
    EXPECT_EQ(surface.progress.back(), 0);
  }
}

TEST(RunWrite, Model17AsksForTheResultOnlyAfterItsLastEnd) {
  RecordingVarno varno;
  RecordingSurface surface;
  RunWrite(PlanWrite(17, CellCodes{}), CellCodes{}, varno, surface);
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < varno.calls.size(); ++i) {
    if (varno.calls[i] == "TerminaGravacao") ends.push_back(i);
  }
  ASSERT_EQ(ends.size(), 3u);
  EXPECT_EQ(ends[2], varno.calls.size() - 2);
  EXPECT_EQ(varno.calls.back(), "ResultadoGravacao");
  EXPECT_EQ(std::count(varno.calls.begin(), varno.calls.end(), "ResultadoGravacao"), 1);
  EXPECT_EQ(surface.pauses.size(), 53u);
}

TEST(RunWrite, AMissingLibraryOrEntryStopsTheWriteAndSaysWhatIsMissing) {
  struct Case {
    const char* entry;
    VarnoCall call;
    std::int16_t model;
    const char* text;
  };
  for (const Case& c :
       {Case{"GravaBloco512", VarnoCall::LibraryMissing, 0,
             "Biblioteca Varno não encontrada. Gravação não efetuada."},
        Case{"GravaBloco256", VarnoCall::EntryMissing, 4,
             "Função GravaBloco256 não encontrada na biblioteca Varno. Gravação não efetuada."},
        Case{"TerminaGravacao", VarnoCall::EntryMissing, 2,
             "Função TerminaGravacao não encontrada na biblioteca Varno. Gravação não "
             "efetuada."}}) {
    SCOPED_TRACE(c.entry);
    RecordingVarno varno;
    varno.answers[c.entry] = c.call;
    RecordingSurface surface;
    EXPECT_EQ(RunWrite(PlanWrite(c.model, CellCodes{}), CellCodes{}, varno, surface),
              WriteOutcome::Stopped);
    EXPECT_THAT(surface.messages, ElementsAre(WriteMessage{c.text, true}));
    EXPECT_EQ(surface.progress.back(), 0);
    // Nothing goes on after the first call that could not be made: no pause is waited out.
    EXPECT_THAT(surface.pauses, IsEmpty());
    EXPECT_EQ(std::count(varno.calls.begin(), varno.calls.end(), "ResultadoGravacao"), 0);
  }
}

}  // namespace
}  // namespace lavrix
