#include "app/menu_item_without_shortcut.h"

#include <gtk/gtk.h>
#include <wx/menu.h>

wxMenuItem* AppendWithoutShortcut(wxMenu* menu, int id, const wxString& label)
{
    wxMenuItem* item = menu->Append(id, label);
    GList* shortcuts = gtk_widget_list_accel_closures(item->GetMenuItem());
    for (GList* at = shortcuts; at; at = at->next) {
        auto* closure = static_cast<GClosure*>(at->data);
        gtk_accel_group_disconnect(gtk_accel_group_from_accel_closure(closure), closure);
    }
    g_list_free(shortcuts);
    // The label would otherwise show the missing shortcut as "-/-".
    GtkWidget* text = gtk_bin_get_child(GTK_BIN(item->GetMenuItem()));
    if (GTK_IS_ACCEL_LABEL(text))
        gtk_accel_label_set_accel_closure(GTK_ACCEL_LABEL(text), nullptr);
    return item;
}
