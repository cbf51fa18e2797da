#include "browser/active_x_event.h"

wxActiveXEvent::wxActiveXEvent() : wxCommandEvent(wxEVT_NULL, 0) {}

wxActiveXEvent::wxActiveXEvent(const wxActiveXEvent& other) : wxCommandEvent(other), m_params(other.m_params) {}

wxEvent* wxActiveXEvent::Clone() const
{
    return new wxActiveXEvent(*this);
}

wxActiveXEvent::~wxActiveXEvent() = default;
