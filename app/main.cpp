#include "app/app.h"

wxIMPLEMENT_APP(MyApp);
