// The precompiled header is built from this file; it has no code of its own.
