// The window layer over Qt Widgets.
