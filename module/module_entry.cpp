// The module's own object: everything else comes from quill_core, linked whole.
