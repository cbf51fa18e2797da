#pragma once
// An event a hosted control fired, as a command event of the toolkit that
// carries the event's parameters: a list variant named after the event
// whose elements are named after its parameters.

#include <wx/event.h>
#include <wx/variant.h>

class wxActiveXEvent : public wxCommandEvent {
public:
    wxActiveXEvent();
    wxActiveXEvent(const wxActiveXEvent& other);
    wxEvent* Clone() const override;
    ~wxActiveXEvent() override;

    wxVariant m_params;
};
