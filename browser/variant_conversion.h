#pragma once
// Conversions between automation VARIANTs and the toolkit's wxVariant and
// wxDateTime values. Dates are local time.

#include "platform/com/variant.h"

#include <wx/datetime.h>
#include <wx/variant.h>

// The VARIANT type that stands for a wxVariant's type.
VARTYPE VariantTypeFromName(const wxVariant& value);
// Sets the target from the argument; the target keeps its name.
void VariantToWxVariant(const VARIANTARG& argument, wxVariant& target);
// Writes the source into the argument as the argument's own type asks.
void WxVariantToVariant(const wxVariant& source, VARIANTARG& argument);

bool DateTimeToVariantTime(const wxDateTime& date, DATE& out);
bool VariantTimeToDateTime(DATE value, wxDateTime& out);
// Writes the date field only; the variant's type stays.
void DateTimeToVariant(const wxDateTime& date, VARIANT& variant);
bool VariantToDateTime(VARIANT variant, wxDateTime& out);
