#pragma once
// The openers the device manager's panel table calls for the generic and the virtual device
// panels: each builds the capability record, creates the form, places it, runs it modally and
// destroys it when it closes.

#include "revorur/devices/panel_request.h"

namespace doz::testpanels {

void OpenGenericPanel(const devices::PanelRequest& request);
void OpenVirtualDevicePanel(const devices::PanelRequest& request);

} // namespace doz::testpanels
