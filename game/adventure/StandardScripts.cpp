// The standard scripts.
