// Placeholder for an area that has no units of this kind yet.
