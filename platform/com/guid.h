#pragma once
// Interface and class identifiers, with the values the desktop platform
// publishes for the interfaces the browser host uses.

#include "platform/com/base_types.h"

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using REFGUID = const GUID&;

bool operator==(const GUID& a, const GUID& b);
bool operator!=(const GUID& a, const GUID& b);
bool operator<(const GUID& a, const GUID& b);

extern const GUID GUID_NULL;

extern const IID IID_IUnknown;
extern const IID IID_IClassFactory;
extern const IID IID_IMalloc;
extern const IID IID_IDispatch;
extern const IID IID_ITypeInfo;
extern const IID IID_ITypeLib;
extern const IID IID_IEnumUnknown;
extern const IID IID_IEnumString;
extern const IID IID_IEnumOLEVERB;
extern const IID IID_IEnumSTATDATA;
extern const IID IID_IEnumConnections;
extern const IID IID_IEnumConnectionPoints;
extern const IID IID_IMoniker;
extern const IID IID_IBindCtx;
extern const IID IID_IStorage;
extern const IID IID_IDataObject;
extern const IID IID_IDropTarget;
extern const IID IID_ISequentialStream;
extern const IID IID_IStream;
extern const IID IID_IPersist;
extern const IID IID_IPersistStreamInit;
extern const IID IID_IRunnableObject;
extern const IID IID_IOleWindow;
extern const IID IID_IOleClientSite;
extern const IID IID_IOleInPlaceSite;
extern const IID IID_IOleInPlaceSiteEx;
extern const IID IID_IOleInPlaceUIWindow;
extern const IID IID_IOleInPlaceFrame;
extern const IID IID_IParseDisplayName;
extern const IID IID_IOleContainer;
extern const IID IID_IOleItemContainer;
extern const IID IID_IOleCommandTarget;
extern const IID IID_IOleDocumentSite;
extern const IID IID_IOleDocument;
extern const IID IID_IOleDocumentView;
extern const IID IID_IAdviseSink;
extern const IID IID_IOleControlSite;
extern const IID IID_IOleObject;
extern const IID IID_IOleInPlaceObject;
extern const IID IID_IOleInPlaceActiveObject;
extern const IID IID_IViewObject;
extern const IID IID_IProvideClassInfo;
extern const IID IID_IConnectionPointContainer;
extern const IID IID_IConnectionPoint;
extern const IID IID_IWebBrowser2;
extern const IID IID_ICustomDoc;
extern const IID IID_IDocHostUIHandler;
extern const IID DIID_DWebBrowserEvents2;
extern const CLSID CLSID_WebBrowser;
