#include "controls/HandlerErrors.h"

namespace pw {

namespace {
HandlerExceptionReport& InstalledReport() {
  static HandlerExceptionReport report;
  return report;
}
}  // namespace

void SetHandlerExceptionReport(HandlerExceptionReport report) {
  InstalledReport() = std::move(report);
}

void ReportHandlerException(TObject* sender) {
  const auto& report = InstalledReport();
  if (!report) throw;
  report(sender);
}

}  // namespace pw
