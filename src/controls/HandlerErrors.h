#pragma once
// Where an exception raised by an event handler goes: the application installs the report (a
// message box); until it does, the exception goes on to the caller.

#include <functional>

#include "forms/Object.h"

namespace pw {

using HandlerExceptionReport = std::function<void(TObject* sender)>;

void SetHandlerExceptionReport(HandlerExceptionReport report);
// Called inside a catch block: reports the exception being handled, or rethrows it when no
// report is installed.
void ReportHandlerException(TObject* sender);

}  // namespace pw
