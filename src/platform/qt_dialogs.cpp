// Qt dialogs
