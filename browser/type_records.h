#pragma once
// What the container records of a control's type information: parameter and
// result types, methods and events, and properties gathered from their accessors.

#include "platform/com/type_info.h"

#include <wx/string.h>

#include <vector>

struct ParamRecord {
    USHORT flags = 0;  // PARAMFLAG_ bits
    bool isPtr = false;
    bool isSafeArray = false;
    VARTYPE vt = VT_EMPTY;  // for a pointer or array, the type it points to or holds
    wxString name;  // empty for a result

    // Sets the flags, the two bools and the type; the name stays.
    static void FromElemDesc(const ELEMDESC& description, ParamRecord& record);
};

struct FunctionRecord {
    wxString name;
    MEMBERID memid = 0;
    bool hasOut = false;  // some parameter is an out parameter or passed by pointer
    ParamRecord retType;
    std::vector<ParamRecord> params;
};

struct PropertyRecord {
    wxString name;
    MEMBERID memid = 0;  // of the first accessor seen
    ParamRecord type;  // the get accessor's result
    ParamRecord arg;  // the put accessor's first parameter
    bool putByRef = false;  // the last put accessor seen was put-by-reference
};
