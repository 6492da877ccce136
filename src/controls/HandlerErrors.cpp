#include "controls/HandlerErrors.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {
struct InstalledReportSlot {
  HandlerExceptionReport report;
};
HandlerExceptionReport& InstalledReport() {
  return sys::ContextLocal<InstalledReportSlot>().report;
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
