#pragma once
// The running state of an embedded object: OleRun, OleSetContainedObject and
// OleLockRunning, carried out through the object's IRunnableObject; an object
// without one is always running and is locked by an external reference.

#include "platform/com/unknown.h"

HRESULT OleRun(IUnknown* object);
HRESULT OleSetContainedObject(IUnknown* object, BOOL contained);
HRESULT OleLockRunning(IUnknown* object, BOOL lock, BOOL lastUnlockCloses);
// Each lock holds one reference on the object; an unlock without a lock does nothing.
HRESULT CoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases);
