// Placeholder until the storage layer lands.
