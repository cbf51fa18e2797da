#include "browser/type_records.h"

void ParamRecord::FromElemDesc(const ELEMDESC& description, ParamRecord& record)
{
    record.flags = description.paramdesc.wParamFlags;
    record.vt = description.tdesc.vt;
    record.isPtr = record.vt == VT_PTR;
    record.isSafeArray = record.vt == VT_SAFEARRAY;
    if ((record.isPtr || record.isSafeArray) && description.tdesc.lptdesc)
        record.vt = description.tdesc.lptdesc->vt;
}
