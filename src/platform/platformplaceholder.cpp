// Replaced by the platform routines as they arrive.
