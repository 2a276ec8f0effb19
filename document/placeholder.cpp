namespace vortel {}
