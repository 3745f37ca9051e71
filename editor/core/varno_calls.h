#pragma once

namespace lavrix {

// How a call into Varno went: it reached the library, or it did nothing because the library or
// the entry could not be found.
enum class VarnoCall { Done, LibraryMissing, EntryMissing };

// The entries of the programming library Varno that the editor calls. Their results carry no
// status the editor uses, so only whether the call happened comes back.
class VarnoCalls {
 public:
  virtual ~VarnoCalls() = default;
  virtual VarnoCall OpenVarno() = 0;
  virtual VarnoCall CloseVarno() = 0;
};

}  // namespace lavrix
