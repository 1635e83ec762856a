// Building the exceptions of the raise-site rows.
#include "diag/RaiseSites.h"

CGP_FatalExeption MakeRaisedException(const RaiseSite& site) {
  return CGP_FatalExeption(site.module, site.line, site.internalText, site.userText, site.report);
}

CGP_FatalExeption ViewCreationError(ViewCreationFailure failure) {
  return MakeRaisedException(kViewCreationRaiseSites[static_cast<std::size_t>(failure)]);
}
