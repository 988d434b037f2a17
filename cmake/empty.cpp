// Keeps the core library non-empty before any module has sources.
