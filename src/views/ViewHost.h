// What an editor form may ask of the application that hosts it. The forms see
// the application only through this, so they build and test without it.
#pragma once

// model
#include "model/AppState.h"

// std
#include <string>

class CPortMap;
class IUiServices;

class IViewHost : public IAppState
{
public:
    // Message boxes, questions and file dialogs.
    virtual IUiServices& Ui() const = 0;
    // The serial port chosen in Comport set: 0 = COM1, 1 = COM2.
    virtual int GetComPort() const = 0;
    // Device paths of COM1..COM4.
    virtual const CPortMap& GetPortMap() const = 0;
    // The model index the Model form last accepted (-1: none).
    virtual void SetModelIndex(int index) = 0;
    // A print preview or print job that the main frame started has ended.
    virtual void OnPrintEnded() = 0;
    // In a demonstration, what the simulated radio behind the ports is doing
    // now, in one short line; empty when the ports lead to real devices. Safe
    // to ask while the radio takes commands on its own thread.
    virtual std::string DemoRadioState() const { return {}; }
    // Form `viewIndex` changed its own image by one edit the user can undo,
    // named for the Edit menu ("Paste 12 channels"): the application takes
    // the form's image in and keeps the step.
    virtual void OnFormEdited(int /*viewIndex*/, const std::string& /*name*/) {}
};
