# Rooms for the check of the include rule itself: editor may not include window.
set(ALLOWED_editor "editor")
set(ALLOWED_window "window;editor")
set(ROOM_FOLDERS "editor;window")
